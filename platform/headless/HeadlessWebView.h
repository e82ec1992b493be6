#pragma once

#include <string>
#include <vector>

#include "platform/NativeWindow.h"
#include "platform/WebView.h"

namespace platform::headless {

class HeadlessBackend;

// A web view without an engine: it records what it was asked to do, and a test plays the page
// by requesting navigations, which go through the host's hook like a real page's would.
class HeadlessWebView final : public WebView {
  public:
    HeadlessWebView(HeadlessBackend& backend, NativeWindow& parent, WebViewSink& sink,
                    WebViewSettings settings);
    ~HeadlessWebView() override;

    void SetGeometry(const ui::Rect& client_rect) override { geometry = client_rect; }
    void Show(bool shown) override { visible = shown; }
    void Focus() override;
    void Navigate(std::u16string_view address) override;
    void Reload() override { ++reloads; }
    void SetRightButtonAsLeft(bool enabled) override { right_as_left = enabled; }
    std::u16string CurrentAddress() const override { return current; }

    // The page asks to go somewhere (a link, a script, a frame): true when it went.
    bool RequestNavigation(std::u16string_view address);

    NativeWindow& parent;
    WebViewSink& sink;
    const WebViewSettings settings;
    ui::Rect geometry;
    bool visible = true;
    bool right_as_left = false;
    int reloads = 0;
    std::u16string current;
    std::vector<std::u16string> loaded;     // addresses that loaded, in order
    std::vector<std::u16string> cancelled;  // addresses the host refused

  private:
    HeadlessBackend& backend_;
};

}  // namespace platform::headless
