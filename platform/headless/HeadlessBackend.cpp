#include "platform/headless/HeadlessBackend.h"

#include <algorithm>
#include <stdexcept>

namespace platform::headless {

class HeadlessBackend::TrayIconImpl final : public TrayIcon {
  public:
    TrayIconImpl(HeadlessBackend& backend, Tray* tray) : backend_(backend), tray_(tray) {}
    ~TrayIconImpl() override {
        auto& trays = backend_.trays_;
        trays.erase(
            std::remove_if(trays.begin(), trays.end(),
                           [this](const std::unique_ptr<Tray>& t) { return t.get() == tray_; }),
            trays.end());
    }
    void SetTip(std::u16string_view tip) override { tray_->tip = tip; }

  private:
    HeadlessBackend& backend_;
    Tray* tray_;
};

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend() = default;

std::unique_ptr<NativeWindow> HeadlessBackend::CreateNativeWindow(
    NativeWindowSink& sink, const NativeWindowOptions& options) {
    auto window = std::make_unique<HeadlessWindow>(*this, sink, options);
    windows_.push_back(window.get());
    return window;
}

void HeadlessBackend::WaitForEvents() {
    if (script_.empty()) {
        throw std::logic_error(
            "headless backend: the program waits, but the test scripted "
            "nothing more");
    }
    auto step = std::move(script_.front());
    script_.pop_front();
    step();
}

std::uint64_t HeadlessBackend::StartTimer(int milliseconds, std::function<void()> fire) {
    const std::uint64_t id = next_timer_++;
    timers_[id] = {now_ + static_cast<std::uint32_t>(std::max(milliseconds, 0)), std::move(fire)};
    return id;
}

void HeadlessBackend::StopTimer(std::uint64_t id) {
    timers_.erase(id);
}

void HeadlessBackend::AdvanceTime(int milliseconds) {
    const std::uint32_t end = now_ + static_cast<std::uint32_t>(std::max(milliseconds, 0));
    for (;;) {
        auto due =
            std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
                return a.second.due < b.second.due ||
                       (a.second.due == b.second.due && a.first < b.first);
            });
        if (due == timers_.end() || due->second.due > end) {
            break;
        }
        now_ = std::max(now_, due->second.due);
        auto fire = std::move(due->second.fire);
        timers_.erase(due);
        fire();
    }
    now_ = end;
}

MessageBoxAnswer HeadlessBackend::ShowMessageBox(NativeWindow* owner, std::u16string_view text,
                                                 std::u16string_view caption,
                                                 MessageBoxButtons buttons) {
    message_boxes_.push_back(
        {owner != nullptr, std::u16string(text), std::u16string(caption), buttons});
    if (answers_.empty()) {
        throw std::logic_error("headless backend: a message box nobody scripted an answer for");
    }
    const MessageBoxAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void HeadlessBackend::AnswerMessageBoxes(std::vector<MessageBoxAnswer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

bool HeadlessBackend::OpenUri(std::string_view uri) {
    opened_uris_.emplace_back(uri);
    return true;
}

int HeadlessBackend::GrabHotKey(unsigned modifiers, std::uint8_t virtual_key,
                                std::function<void()> pressed) {
    const auto key = std::make_pair(modifiers, virtual_key);
    const bool held = std::any_of(hot_keys_.begin(), hot_keys_.end(), [&](const auto& h) {
        return h.second.modifiers == modifiers && h.second.virtual_key == virtual_key;
    });
    if (held || std::find(taken_.begin(), taken_.end(), key) != taken_.end()) {
        return 0;
    }
    const int handle = next_hot_key_++;
    hot_keys_[handle] = {modifiers, virtual_key, std::move(pressed)};
    return handle;
}

void HeadlessBackend::UngrabHotKey(int handle) {
    hot_keys_.erase(handle);
}

void HeadlessBackend::MarkHotKeyTaken(unsigned modifiers, std::uint8_t virtual_key) {
    taken_.emplace_back(modifiers, virtual_key);
}

bool HeadlessBackend::PressHotKey(unsigned modifiers, std::uint8_t virtual_key) {
    for (auto& [handle, hot_key] : hot_keys_) {
        if (hot_key.modifiers == modifiers && hot_key.virtual_key == virtual_key) {
            hot_key.pressed();
            return true;
        }
    }
    return false;
}

std::unique_ptr<TrayIcon> HeadlessBackend::CreateTrayIcon(TrayIconSink& sink,
                                                          std::span<const std::uint8_t> icon_png,
                                                          std::u16string_view tip) {
    trays_.push_back(std::make_unique<Tray>(Tray{&sink, std::u16string(tip), !icon_png.empty()}));
    return std::make_unique<TrayIconImpl>(*this, trays_.back().get());
}

std::unique_ptr<WebView> HeadlessBackend::CreateWebView(NativeWindow& parent, WebViewSink& sink,
                                                        const WebViewSettings& settings) {
    auto view = std::make_unique<HeadlessWebView>(*this, parent, sink, settings);
    web_views_.push_back(view.get());
    return view;
}

void HeadlessBackend::ForgetWebView(HeadlessWebView* view) {
    web_views_.erase(std::remove(web_views_.begin(), web_views_.end(), view), web_views_.end());
    if (focused_web_view == view) {
        focused_web_view = nullptr;
    }
}

std::vector<const HeadlessBackend::Tray*> HeadlessBackend::Trays() const {
    std::vector<const Tray*> trays;
    for (const auto& t : trays_) {
        trays.push_back(t.get());
    }
    return trays;
}

void HeadlessBackend::ClickTray(std::size_t index, MouseEvent::Kind kind, MouseButton button) {
    trays_.at(index)->sink->OnTrayMouse(kind, button);
}

void HeadlessBackend::Forget(HeadlessWindow* window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
    if (under_pointer_ == window) {
        under_pointer_ = nullptr;
    }
    if (grab_ == window) {
        grab_ = nullptr;
    }
    if (focused == window) {
        focused = nullptr;
    }
    if (drag_.window == window) {
        drag_ = {};
    }
}

void HeadlessBackend::RaiseWindow(HeadlessWindow* window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
    windows_.push_back(window);
}

void HeadlessBackend::StartMoveDrag(HeadlessWindow* window) {
    if ((buttons_ & modifier::kLeftButton) != 0) {
        drag_ = {window, pointer_, window->geometry};
    }
}

HeadlessWindow* HeadlessBackend::WindowAt(ui::Point screen) const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if ((*it)->TakesPointerAt(screen)) {
            return *it;
        }
    }
    return nullptr;
}

HeadlessWindow* HeadlessBackend::PointerWindow() const {
    return grab_ != nullptr ? grab_ : WindowAt(pointer_);
}

MouseEvent HeadlessBackend::EventFor(HeadlessWindow* window, MouseEvent::Kind kind,
                                     MouseButton button) const {
    MouseEvent event;
    event.kind = kind;
    event.button = button;
    event.screen = pointer_;
    event.position = {pointer_.x - window->geometry.left, pointer_.y - window->geometry.top};
    event.modifiers = buttons_ | modifiers_;
    event.time = now_;
    return event;
}

void HeadlessBackend::MoveMouse(ui::Point screen) {
    pointer_ = screen;
    if (drag_.window != nullptr) {
        HeadlessWindow* window = drag_.window;
        window->geometry = drag_.start_geometry.Offset(screen.x - drag_.start_pointer.x,
                                                       screen.y - drag_.start_pointer.y);
        window->sink.OnNativeGeometry(window->geometry);
        return;
    }
    DeliverMove();
}

void HeadlessBackend::DeliverMove() {
    HeadlessWindow* target = PointerWindow();
    if (under_pointer_ != nullptr && under_pointer_ != target && grab_ == nullptr) {
        under_pointer_->sink.OnNativeMouse(
            EventFor(under_pointer_, MouseEvent::Kind::Leave, MouseButton::None));
    }
    under_pointer_ = target;
    if (target != nullptr) {
        target->sink.OnNativeMouse(EventFor(target, MouseEvent::Kind::Move, MouseButton::None));
    }
}

namespace {

unsigned ButtonMask(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return modifier::kLeftButton;
        case MouseButton::Right:
            return modifier::kRightButton;
        case MouseButton::Middle:
            return modifier::kMiddleButton;
        case MouseButton::None:
            break;
    }
    return 0;
}

}  // namespace

void HeadlessBackend::PressButton(MouseButton button) {
    HeadlessWindow* target = PointerWindow();
    if (target != nullptr) {
        // The state an event carries is the one before it, as X reports it.
        target->sink.OnNativeMouse(EventFor(target, MouseEvent::Kind::Press, button));
    }
    buttons_ |= ButtonMask(button);
}

void HeadlessBackend::ReleaseButton(MouseButton button) {
    if (drag_.window != nullptr && button == MouseButton::Left) {
        // The window manager's move ends with the release; the window never sees it.
        buttons_ &= ~ButtonMask(button);
        drag_ = {};
        return;
    }
    HeadlessWindow* target = PointerWindow();
    if (target != nullptr) {
        target->sink.OnNativeMouse(EventFor(target, MouseEvent::Kind::Release, button));
    }
    buttons_ &= ~ButtonMask(button);
}

void HeadlessBackend::Click(ui::Point screen, MouseButton button) {
    MoveMouse(screen);
    PressButton(button);
    ReleaseButton(button);
}

void HeadlessBackend::Key(std::uint8_t virtual_key, bool down, unsigned modifiers,
                          char32_t character) {
    modifiers_ = modifiers;
    HeadlessWindow* target = focused;
    if (target == nullptr || !target->visible) {
        return;
    }
    KeyEvent event;
    event.down = down;
    event.virtual_key = virtual_key;
    event.modifiers = modifiers | buttons_;
    event.character = character;
    target->sink.OnNativeKey(event);
}

}  // namespace platform::headless
