#pragma once

#include <string>
#include <string_view>

#include "ui/Geometry.h"

namespace platform {

// How every web view of the process behaves; the host decides, the engine carries it out.
struct WebViewSettings {
    bool context_menu = false;  // the engine's own right-click menu
    bool scroll_bars = false;   // pages still scroll by wheel and keys without them
    // A script run at document start in every frame, before the page's own scripts: how the
    // host gives pages the objects it offers them (window.external).
    std::string document_start_script;
};

// What a web view reports. Everything arrives on the user-interface thread.
class WebViewSink {
  public:
    virtual ~WebViewSink() = default;
    // Before every navigation of the page or one of its frames, the first one included, and
    // before a page opens a new window. Answering true cancels it: the page stays as it was.
    virtual bool OnBeforeNavigate(std::u16string_view address) = 0;
    virtual void OnWebViewFocus() {}
};

// A web page shown inside a top-level window, in a rectangle of its client area. The engine's
// data (cookies, cache) lives in one per-process context with its own folder.
class WebView {
  public:
    virtual ~WebView() = default;

    virtual void SetGeometry(const ui::Rect& client_rect) = 0;
    virtual void Show(bool visible) = 0;
    virtual void Focus() = 0;
    virtual void Navigate(std::u16string_view address) = 0;
    virtual void Reload() = 0;
    // The right button reaches the page as the left one (press, release and motion state).
    virtual void SetRightButtonAsLeft(bool enabled) = 0;
    // The address shown now; empty before the first load.
    virtual std::u16string CurrentAddress() const = 0;
};

}  // namespace platform
