#include "platform/headless/HeadlessWebView.h"

#include "platform/headless/HeadlessBackend.h"

namespace platform::headless {

HeadlessWebView::HeadlessWebView(HeadlessBackend& backend, NativeWindow& parent_window,
                                 WebViewSink& view_sink, WebViewSettings view_settings)
    : parent(parent_window),
      sink(view_sink),
      settings(std::move(view_settings)),
      backend_(backend) {}

HeadlessWebView::~HeadlessWebView() {
    backend_.ForgetWebView(this);
}

void HeadlessWebView::Focus() {
    backend_.focused_web_view = this;
}

// A navigation the host starts goes through the same hook as one the page starts.
void HeadlessWebView::Navigate(std::u16string_view address) {
    RequestNavigation(address);
}

bool HeadlessWebView::RequestNavigation(std::u16string_view address) {
    if (sink.OnBeforeNavigate(address)) {
        cancelled.emplace_back(address);
        return false;
    }
    current = address;
    loaded.emplace_back(address);
    return true;
}

}  // namespace platform::headless
