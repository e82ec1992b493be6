#include "browser/CWebExplorer.h"

#include <utility>

#include "browser/CCustomControlSite.h"
#include "browser/CCustomOccManager.h"
#include "browser/IBrowserEventSink.h"
#include "platform/Backend.h"
#include "ui/Desktop.h"
#include "ui/TopLevelWindow.h"
#include "ui/WindowTree.h"

// Passes the page's navigation events to the dialog the browser window sits in.
class CWebExplorer::Events final : public platform::WebViewSink {
  public:
    explicit Events(HWND hwnd) : hwnd_(hwnd) {}

    bool OnBeforeNavigate(std::u16string_view address) override {
        CWnd* browser = CWnd::FromHandle(hwnd_);
        auto* host =
            browser != nullptr ? dynamic_cast<IBrowserEventSink*>(browser->GetParent()) : nullptr;
        if (host == nullptr) {
            return false;
        }
        bool cancel = false;
        host->OnBeforeNavigate2(std::u16string(address), &cancel);
        return cancel;
    }

  private:
    HWND hwnd_;
};

namespace {

// Posted to itself when created: the page engine starts after what is queued before it.
constexpr UINT kCreateView = WM_USER + 0x3E8;

}  // namespace

CWebExplorer::CWebExplorer() = default;

CWebExplorer::~CWebExplorer() {
    // The page goes before the window it lives in.
    view_.reset();
}

void CWebExplorer::Navigate(std::u16string_view address) {
    if (view_ != nullptr) {
        view_->Navigate(address);
    } else {
        pending_address_ = address;
    }
}

void CWebExplorer::Refresh() {
    if (view_ != nullptr) {
        view_->Reload();
    }
}

LRESULT CWebExplorer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    switch (message) {
        case WM_CREATE:
            PostMessage(kCreateView);
            break;
        case kCreateView:
            CreateView();
            break;
        case WM_MOVE:
        case WM_SIZE:
        case WM_SHOWWINDOW:
            SyncView();
            break;
        case WM_SETFOCUS:
            if (view_ != nullptr) {
                view_->Focus();
            }
            break;
        case WM_DESTROY:
            view_.reset();
            break;
        default:
            break;
    }
    return result;
}

void CWebExplorer::CreateView() {
    CCustomOccManager* manager = AfxGetControlContainerManager();
    if (manager == nullptr) {
        return;
    }
    site_ = manager->CreateSite();
    // The page needs its top-level window's native window, even before that is first shown.
    HWND top = ui::tree::TopLevelOf(m_hWnd);
    platform::NativeWindow& parent = top->top->EnsureNative();
    events_ = std::make_unique<Events>(m_hWnd);
    view_ = ui::Desktop::Get().Backend().CreateWebView(parent, *events_, site_->HostSettings());
    SyncView();
    if (view_ != nullptr && !pending_address_.empty()) {
        view_->Navigate(std::exchange(pending_address_, std::u16string()));
    }
}

void CWebExplorer::SyncView() {
    if (view_ == nullptr || m_hWnd == nullptr) {
        return;
    }
    const CPoint origin = ui::tree::OriginInTopLevel(m_hWnd);
    view_->SetGeometry(
        CRect::FromXywh(origin.x, origin.y, m_hWnd->rect.Width(), m_hWnd->rect.Height()));
    // Whether the page shows within its top-level window; hiding that hides the page anyway.
    bool shown = true;
    for (HWND h = m_hWnd; h != nullptr && h->IsChild(); h = h->parent) {
        shown = shown && h->IsVisible();
    }
    view_->Show(shown);
}

void CWebExplorer::TakeOverFrom(CWnd& previous) {
    if (auto* browser = dynamic_cast<CWebExplorer*>(&previous)) {
        site_ = std::move(browser->site_);
        events_ = std::move(browser->events_);
        view_ = std::move(browser->view_);
        pending_address_ = std::move(browser->pending_address_);
    }
}
