#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/headless/HeadlessWebView.h"
#include "platform/headless/HeadlessWindow.h"

namespace platform::headless {

// A windowing system in memory for tests. Time is virtual and moves only when a test advances
// it; input is injected at screen positions and goes to the window there the way a display
// server would send it; message boxes are answered from a script; the shell's side effects
// are recorded.
class HeadlessBackend final : public Backend {
  public:
    struct MessageBoxCall {
        bool had_owner = false;
        std::u16string text;
        std::u16string caption;
        MessageBoxButtons buttons = MessageBoxButtons::Ok;
    };
    struct Tray {
        TrayIconSink* sink = nullptr;
        std::u16string tip;
        bool has_icon = false;
    };

    HeadlessBackend();
    ~HeadlessBackend() override;

    // Backend
    std::unique_ptr<NativeWindow> CreateNativeWindow(NativeWindowSink& sink,
                                                     const NativeWindowOptions& options) override;
    void WaitForEvents() override;
    std::uint64_t StartTimer(int milliseconds, std::function<void()> fire) override;
    void StopTimer(std::uint64_t id) override;
    ui::Rect WorkArea() override { return work_area_; }
    ui::Point CursorPosition() override { return pointer_; }
    MessageBoxAnswer ShowMessageBox(NativeWindow* owner, std::u16string_view text,
                                    std::u16string_view caption,
                                    MessageBoxButtons buttons) override;
    bool OpenUri(std::string_view uri) override;
    int GrabHotKey(unsigned modifiers, std::uint8_t virtual_key,
                   std::function<void()> pressed) override;
    void UngrabHotKey(int handle) override;
    std::unique_ptr<TrayIcon> CreateTrayIcon(TrayIconSink& sink,
                                             std::span<const std::uint8_t> icon_png,
                                             std::u16string_view tip) override;
    std::unique_ptr<WebView> CreateWebView(NativeWindow& parent, WebViewSink& sink,
                                           const WebViewSettings& settings) override;
    void ClearWebCookies() override { ++cookie_clears_; }

    // The scene.
    void SetWorkArea(const ui::Rect& area) { work_area_ = area; }
    // Windows in stacking order, bottom first.
    const std::vector<HeadlessWindow*>& Windows() const { return windows_; }
    HeadlessWindow* WindowAt(ui::Point screen) const;
    std::uint32_t Now() const { return now_; }

    // Input, delivered at once to the windows' sinks.
    void MoveMouse(ui::Point screen);
    void PressButton(MouseButton button = MouseButton::Left);
    void ReleaseButton(MouseButton button = MouseButton::Left);
    void Click(ui::Point screen, MouseButton button = MouseButton::Left);
    void Key(std::uint8_t virtual_key, bool down, unsigned modifiers = 0, char32_t character = 0);
    void SetModifiers(unsigned modifiers) { modifiers_ = modifiers; }
    // Moves the clock, firing the timers that fall due on the way, in order.
    void AdvanceTime(int milliseconds);

    // What WaitForEvents does next, one step per call: how a test drives a nested loop.
    // Waiting with nothing scripted is a test error and throws.
    void Then(std::function<void()> step) { script_.push_back(std::move(step)); }

    // Message boxes take their answers in order; a box without an answer throws.
    void AnswerMessageBoxes(std::vector<MessageBoxAnswer> answers);
    const std::vector<MessageBoxCall>& MessageBoxes() const { return message_boxes_; }

    const std::vector<std::string>& OpenedUris() const { return opened_uris_; }

    // Another program holds this combination: grabbing it fails.
    void MarkHotKeyTaken(unsigned modifiers, std::uint8_t virtual_key);
    // Presses a global key; true when somebody held it.
    bool PressHotKey(unsigned modifiers, std::uint8_t virtual_key);
    int GrabbedHotKeys() const { return static_cast<int>(hot_keys_.size()); }

    // Tray icons present now, in the order they were added.
    std::vector<const Tray*> Trays() const;
    void ClickTray(std::size_t index, MouseEvent::Kind kind, MouseButton button);

    // Web views alive now, in the order they were made.
    const std::vector<HeadlessWebView*>& WebViews() const { return web_views_; }
    int CookieClears() const { return cookie_clears_; }
    HeadlessWebView* focused_web_view = nullptr;

    // Called by windows and web views.
    void ForgetWebView(HeadlessWebView* view);
    void Forget(HeadlessWindow* window);
    void RaiseWindow(HeadlessWindow* window);
    void SetGrab(HeadlessWindow* window) { grab_ = window; }
    HeadlessWindow* Grab() const { return grab_; }
    void StartMoveDrag(HeadlessWindow* window);
    HeadlessWindow* focused = nullptr;

  private:
    class TrayIconImpl;
    struct HotKey {
        unsigned modifiers;
        std::uint8_t virtual_key;
        std::function<void()> pressed;
    };
    struct Timer {
        std::uint32_t due;
        std::function<void()> fire;
    };

    HeadlessWindow* PointerWindow() const;
    MouseEvent EventFor(HeadlessWindow* window, MouseEvent::Kind kind, MouseButton button) const;
    void DeliverMove();

    ui::Rect work_area_{0, 0, 1920, 1040};
    std::vector<HeadlessWindow*> windows_;
    std::vector<HeadlessWebView*> web_views_;
    int cookie_clears_ = 0;
    ui::Point pointer_;
    HeadlessWindow* under_pointer_ = nullptr;
    HeadlessWindow* grab_ = nullptr;
    unsigned buttons_ = 0;
    unsigned modifiers_ = 0;
    std::uint32_t now_ = 1000;
    std::map<std::uint64_t, Timer> timers_;
    std::uint64_t next_timer_ = 1;
    std::deque<std::function<void()>> script_;
    std::deque<MessageBoxAnswer> answers_;
    std::vector<MessageBoxCall> message_boxes_;
    std::vector<std::string> opened_uris_;
    std::map<int, HotKey> hot_keys_;
    int next_hot_key_ = 1;
    std::vector<std::pair<unsigned, std::uint8_t>> taken_;
    std::vector<std::unique_ptr<Tray>> trays_;
    struct MoveDrag {
        HeadlessWindow* window = nullptr;
        ui::Point start_pointer;
        ui::Rect start_geometry;
    } drag_;
};

}  // namespace platform::headless
