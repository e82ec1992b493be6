#pragma once

#include <map>
#include <memory>

#include "platform/Backend.h"
#include "platform/gtk/X11HotKeys.h"

namespace platform::gtk {

class WebContext;

// The windowing system on a Linux desktop: GTK 3 on X11, the event loop being GLib's.
class GtkBackend final : public Backend {
  public:
    // Opens the X display; throws std::runtime_error when there is none.
    GtkBackend();
    ~GtkBackend() override;
    GtkBackend(const GtkBackend&) = delete;
    GtkBackend& operator=(const GtkBackend&) = delete;

    std::unique_ptr<NativeWindow> CreateNativeWindow(NativeWindowSink& sink,
                                                     const NativeWindowOptions& options) override;
    void WaitForEvents() override;
    std::uint64_t StartTimer(int milliseconds, std::function<void()> fire) override;
    void StopTimer(std::uint64_t id) override;
    ui::Rect WorkArea() override;
    ui::Point CursorPosition() override;
    MessageBoxAnswer ShowMessageBox(NativeWindow* owner, std::u16string_view text,
                                    std::u16string_view caption,
                                    MessageBoxButtons buttons) override;
    bool OpenUri(std::string_view uri) override;
    int GrabHotKey(unsigned modifiers, std::uint8_t virtual_key,
                   std::function<void()> pressed) override;
    void UngrabHotKey(int handle) override;
    std::unique_ptr<WebView> CreateWebView(NativeWindow& parent, WebViewSink& sink,
                                           const WebViewSettings& settings) override;
    void ClearWebCookies() override;
    std::unique_ptr<TrayIcon> CreateTrayIcon(TrayIconSink& sink,
                                             std::span<const std::uint8_t> icon_png,
                                             std::u16string_view tip) override;

  private:
    struct Timer {
        GtkBackend* backend;
        std::uint64_t id;
        unsigned source;
        std::function<void()> fire;
    };
    static int OnTimer(void* timer);
    // Made on first use: the engine's processes start only when a page is wanted.
    const std::shared_ptr<WebContext>& Web();

    GdkDisplay* display_;
    X11HotKeys hot_keys_;
    // Each timer's address is its GLib callback's data, so it must not move.
    std::map<std::uint64_t, std::unique_ptr<Timer>> timers_;
    std::uint64_t next_timer_id_ = 1;
    // Web views keep it too, so it outlives whichever goes last.
    std::shared_ptr<WebContext> web_;
};

}  // namespace platform::gtk
