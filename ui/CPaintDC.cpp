#include "ui/CPaintDC.h"

#include "ui/CWnd.h"
#include "ui/WindowState.h"

namespace {

std::optional<CRect> PaintArea(CWnd* wnd) {
    if (wnd == nullptr || wnd->m_hWnd == nullptr) {
        return std::nullopt;
    }
    return wnd->m_hWnd->invalid;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* wnd) : CDC(wnd != nullptr ? wnd->m_hWnd : nullptr, PaintArea(wnd)) {
    if (wnd == nullptr || wnd->m_hWnd == nullptr) {
        return;
    }
    const bool erase = wnd->m_hWnd->erase;
    wnd->m_hWnd->invalid = {};
    wnd->m_hWnd->erase = false;
    if (erase) {
        wnd->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(this)));
    }
}
