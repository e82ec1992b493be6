#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "platform/NativeWindow.h"
#include "platform/NativeWindowSink.h"
#include "platform/TrayIcon.h"
#include "platform/WebView.h"
#include "ui/Geometry.h"

namespace platform {

enum class MessageBoxButtons { Ok, YesNo };
enum class MessageBoxAnswer { Ok, Yes, No, Cancel };

// Global hot-key modifiers, as MOD_* spells them.
namespace hotkey_modifier {
constexpr unsigned kAlt = 0x0001;
constexpr unsigned kControl = 0x0002;
constexpr unsigned kShift = 0x0004;
constexpr unsigned kWin = 0x0008;
}  // namespace hotkey_modifier

// What the framework needs from a windowing system. main() picks one; tests use the headless
// one. Everything is called on, and calls back on, the user-interface thread.
class Backend {
  public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<NativeWindow> CreateNativeWindow(
        NativeWindowSink& sink, const NativeWindowOptions& options) = 0;

    // Sleeps until the windowing system has delivered at least one event or timer callback.
    virtual void WaitForEvents() = 0;

    // A one-shot timer; the id is never 0.
    virtual std::uint64_t StartTimer(int milliseconds, std::function<void()> fire) = 0;
    virtual void StopTimer(std::uint64_t id) = 0;

    // The primary monitor's area not taken by panels, in screen coordinates.
    virtual ui::Rect WorkArea() = 0;
    virtual ui::Point CursorPosition() = 0;

    // A modal message box; owner may be null.
    virtual MessageBoxAnswer ShowMessageBox(NativeWindow* owner, std::u16string_view text,
                                            std::u16string_view caption,
                                            MessageBoxButtons buttons) = 0;

    // Opens an address in the desktop's default browser, without waiting for it.
    virtual bool OpenUri(std::string_view uri) = 0;

    // A system-wide key: modifiers from hotkey_modifier, a Windows virtual-key code. Returns a
    // handle, or 0 when another client holds the combination.
    virtual int GrabHotKey(unsigned modifiers, std::uint8_t virtual_key,
                           std::function<void()> pressed) = 0;
    virtual void UngrabHotKey(int handle) = 0;

    // A web view inside a native window (made by this backend); null when the web engine
    // cannot start.
    virtual std::unique_ptr<WebView> CreateWebView(NativeWindow& parent, WebViewSink& sink,
                                                   const WebViewSettings& settings) = 0;
    // Deletes the cookies the web views of this program keep.
    virtual void ClearWebCookies() = 0;

    // Null when the desktop has no notification area.
    virtual std::unique_ptr<TrayIcon> CreateTrayIcon(TrayIconSink& sink,
                                                     std::span<const std::uint8_t> icon_png,
                                                     std::u16string_view tip) = 0;
};

}  // namespace platform
