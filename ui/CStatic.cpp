#include "ui/CStatic.h"

#include "ui/CPaintDC.h"

BOOL CStatic::Create(std::u16string_view text, DWORD style, const CRect& rect, CWnd* parent,
                     UINT id) {
    return CreateEx(0, text, style | WS_CHILD, rect, parent, id);
}

LRESULT CStatic::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return (GetStyle() & SS_NOTIFY) != 0 ? HTCLIENT : HTTRANSPARENT;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;  // painting fills the whole control
        case WM_ENABLE:
            Invalidate(TRUE);
            return 0;
        default:
            return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CStatic::Paint() {
    CPaintDC dc(this);
    CWnd* parent = GetParent();
    HBRUSH brush = nullptr;
    if (parent != nullptr) {
        brush = reinterpret_cast<HBRUSH>(
            parent->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)),
                                reinterpret_cast<LPARAM>(m_hWnd)));
    }
    if (m_hWnd == nullptr) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    dc.FillRect(&client, brush != nullptr ? brush : GetDialogFaceBrush());
    if (!IsWindowEnabled()) {
        dc.SetTextColor(RGB(0x6D, 0x6D, 0x6D));
    }
    const DWORD type = GetStyle() & SS_TYPEMASK;
    const UINT align = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    dc.DrawText(GetWindowText(), &client, align | DT_WORDBREAK);
}
