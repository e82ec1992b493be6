// Drives the GTK backend on a real display for the end-to-end tests. It shows windows and
// prints what they receive, one line per event; it exits when its input closes (or reads
// "quit"), and is killed by an alarm after 20 seconds so a failing test never hangs.
//   window_probe layered               an opaque window; after an input line, a layered window
//                                      over part of it, and no event loop until the next line
//   window_probe message-box yes-no|ok  a message box over an owner window; prints the answer
//   window_probe drag                  a window that starts a move drag on a left press
//   window_probe input                 a focused window that reports its input
//   window_probe backend               timers, the work area, the pointer, a tiny window

#include <unistd.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "platform/gtk/GtkBackend.h"
#include "ui/Bitmap.h"
#include "ui/Graphics.h"

namespace {

using platform::MouseEvent;

constexpr unsigned kTimeoutSeconds = 20;
constexpr ui::Color kBelow = ui::Color::FromArgb(255, 0x20, 0x40, 0x80);
constexpr ui::Color kOpaque = ui::Color::FromArgb(255, 0xE0, 0x30, 0x20);
constexpr ui::Color kHalfWhite = ui::Color::FromArgb(128, 0xFF, 0xFF, 0xFF);

void Say(const std::string& line) {
    std::cout << line << std::endl;
}

std::string Describe(const ui::Rect& r) {
    std::ostringstream text;
    text << r.left << ' ' << r.top << ' ' << r.Width() << ' ' << r.Height();
    return text.str();
}

std::string Hex(unsigned value) {
    std::ostringstream text;
    text << "0x" << std::hex << value;
    return text.str();
}

// "<kind> <window> <button or wheel delta> <x> <y> at <screen x> <screen y> mods <flags>"
std::string Describe(const std::string& window, const MouseEvent& e) {
    constexpr const char* kKinds[] = {"move", "press", "release", "doubleclick", "wheel", "leave"};
    constexpr const char* kButtons[] = {"none", "left", "right", "middle"};
    std::ostringstream text;
    text << kKinds[static_cast<int>(e.kind)] << ' ' << window << ' ';
    if (e.kind == MouseEvent::Kind::Wheel) {
        text << e.wheel_delta;
    } else {
        text << kButtons[static_cast<int>(e.button)];
    }
    text << ' ' << e.position.x << ' ' << e.position.y << " at " << e.screen.x << ' ' << e.screen.y
         << " mods " << Hex(e.modifiers);
    return text.str();
}

// "key <window> down|up vk <code> ext 0|1 char <code point> mods <flags>"
std::string Describe(const std::string& window, const platform::KeyEvent& e) {
    return "key " + window + (e.down ? " down" : " up") + " vk " + Hex(e.virtual_key) + " ext " +
           (e.extended ? "1" : "0") + " char " + Hex(e.character) + " mods " + Hex(e.modifiers);
}

// A window that reports its input (but not pointer motion) and geometry under its name.
class ProbeWindow final : public platform::NativeWindowSink {
  public:
    ProbeWindow(platform::Backend& backend, std::string name,
                const platform::NativeWindowOptions& options)
        : name_(std::move(name)), native_(backend.CreateNativeWindow(*this, options)) {}

    platform::NativeWindow& Native() { return *native_; }
    std::function<void(const MouseEvent&)> on_left_press;

    void OnNativeMouse(const MouseEvent& event) override {
        if (event.kind == MouseEvent::Kind::Move) {
            return;
        }
        Say(Describe(name_, event));
        if (event.kind != MouseEvent::Kind::Press) {
            return;
        }
        // Presses are told apart from double clicks by their times.
        if (last_press_time_ != 0) {
            Say("interval " + name_ + ' ' + std::to_string(event.time - last_press_time_));
        }
        last_press_time_ = event.time;
        if (event.button == platform::MouseButton::Left && on_left_press) {
            on_left_press(event);
        }
    }
    void OnNativeKey(const platform::KeyEvent& event) override { Say(Describe(name_, event)); }
    void OnNativeGeometry(const ui::Rect& screen_rect) override {
        Say("geometry " + name_ + ' ' + Describe(screen_rect));
    }
    void OnNativeState(bool, bool) override {}
    void OnNativeCloseRequest() override {}
    void OnNativeExpose() override {}
    void OnNativeFocus(bool) override {}
    void OnNativeGrabBroken() override {}

  private:
    std::string name_;
    std::unique_ptr<platform::NativeWindow> native_;
    std::uint32_t last_press_time_ = 0;
};

std::unique_ptr<ui::Bitmap> SolidBitmap(int width, int height, ui::Color color) {
    auto bitmap = ui::Bitmap::Create(width, height);
    ui::Graphics::FromBitmap(*bitmap)->FillRectangle(color, {0, 0, width, height});
    return bitmap;
}

// An opaque window of one colour.
std::unique_ptr<ProbeWindow> ShowSolidWindow(platform::Backend& backend, const std::string& name,
                                             const ui::Rect& rect) {
    auto window = std::make_unique<ProbeWindow>(backend, name, platform::NativeWindowOptions{});
    window->Native().SetGeometry(rect);
    window->Native().Present(*SolidBitmap(rect.Width(), rect.Height(), kBelow),
                             ui::Rect::FromXywh(0, 0, rect.Width(), rect.Height()));
    window->Native().Show(platform::ShowCommand::ShowNoActivate);
    return window;
}

// The probe's input lines, read on a thread of their own. The thread shares the lines with
// the probe, so it may outlive the probe's main function.
class Input {
  public:
    Input() : shared_(std::make_shared<Shared>()) {
        std::thread([shared = shared_] {
            std::string line;
            while (std::getline(std::cin, line)) {
                const std::lock_guard lock(shared->mutex);
                shared->lines.push_back(line);
                shared->changed.notify_all();
            }
            const std::lock_guard lock(shared->mutex);
            shared->closed = true;
            shared->changed.notify_all();
        }).detach();
    }

    // Waits for the next line while nothing else runs; nullopt when the input has closed.
    std::optional<std::string> Wait() {
        std::unique_lock lock(shared_->mutex);
        shared_->changed.wait(lock, [this] { return !shared_->lines.empty() || shared_->closed; });
        return TakeLocked();
    }

    // Runs the event loop until a line arrives. The reading thread cannot wake the loop, so a
    // short timer keeps it turning.
    std::optional<std::string> RunLoopUntilLine(platform::Backend& backend) {
        std::uint64_t tick = 0;
        for (;;) {
            {
                const std::lock_guard lock(shared_->mutex);
                if (!shared_->lines.empty() || shared_->closed) {
                    backend.StopTimer(tick);  // it refers to this frame
                    return TakeLocked();
                }
            }
            if (tick == 0) {
                tick = backend.StartTimer(50, [&tick] { tick = 0; });
            }
            backend.WaitForEvents();
        }
    }

    void RunLoopUntilQuit(platform::Backend& backend) {
        while (const auto line = RunLoopUntilLine(backend)) {
            if (*line == "quit") {
                return;
            }
        }
    }

  private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<std::string> lines;
        bool closed = false;
    };

    std::optional<std::string> TakeLocked() {
        if (shared_->lines.empty()) {
            return std::nullopt;
        }
        std::string line = std::move(shared_->lines.front());
        shared_->lines.pop_front();
        return line;
    }

    std::shared_ptr<Shared> shared_;
};

// Left third opaque, middle third half-transparent white, right third fully transparent.
int Layered(platform::Backend& backend, Input& input) {
    const auto below = ShowSolidWindow(backend, "below", ui::Rect::FromXywh(100, 100, 400, 300));
    Say("below shown");
    input.RunLoopUntilLine(backend);

    ProbeWindow layered(backend, "layered",
                        platform::NativeWindowOptions{.layered = true, .taskbar = false});
    auto picture = ui::Bitmap::Create(300, 100);
    auto graphics = ui::Graphics::FromBitmap(*picture);
    graphics->FillRectangle(kOpaque, ui::Rect::FromXywh(0, 0, 100, 100));
    graphics->FillRectangle(kHalfWhite, ui::Rect::FromXywh(100, 0, 100, 100));
    // Shown before the first picture, so presenting also has to move and grow a mapped window.
    layered.Native().Show(platform::ShowCommand::ShowNoActivate);
    const bool presented = layered.Native().PresentLayered(*picture, {150, 150});
    Say(presented ? "ready" : "not presented");
    // GTK's frame cycle does not run until the test has looked: what it sees was put on the
    // screen by PresentLayered itself.
    input.Wait();
    input.RunLoopUntilQuit(backend);
    return presented ? 0 : 1;
}

int AskMessageBox(platform::Backend& backend, const std::string& kind) {
    const auto owner = ShowSolidWindow(backend, "owner", ui::Rect::FromXywh(100, 100, 400, 300));
    owner->Native().SetTitle(u"Probe owner \u2713");
    const bool question = kind == "yes-no";
    const auto answer = backend.ShowMessageBox(
        &owner->Native(), question ? u"Answer the probe?" : u"The probe is done.",
        u"Probe question",
        question ? platform::MessageBoxButtons::YesNo : platform::MessageBoxButtons::Ok);
    constexpr const char* kNames[] = {"Ok", "Yes", "No", "Cancel"};
    Say(std::string("answer ") + kNames[static_cast<int>(answer)]);
    return 0;
}

int Drag(platform::Backend& backend, Input& input) {
    const auto window = ShowSolidWindow(backend, "drag", ui::Rect::FromXywh(200, 200, 200, 150));
    window->on_left_press = [&window](const MouseEvent& event) {
        window->Native().BeginMoveDrag(event.screen);
    };
    Say("ready");
    input.RunLoopUntilQuit(backend);
    return 0;
}

// Input lines "grab" and "ungrab" grab and release the pointer.
int ReportInput(platform::Backend& backend, Input& input) {
    const auto window = ShowSolidWindow(backend, "input", ui::Rect::FromXywh(200, 200, 200, 150));
    window->Native().SetTitle(u"Probe input");
    window->Native().Show(platform::ShowCommand::Show);
    Say("ready");
    while (const auto line = input.RunLoopUntilLine(backend)) {
        if (*line == "grab") {
            Say(window->Native().GrabPointer() ? "grabbed" : "not grabbed");
        } else if (*line == "ungrab") {
            window->Native().UngrabPointer();
            Say("ungrabbed");
        } else if (*line == "quit") {
            break;
        }
    }
    return 0;
}

// Timers fire in the order of their delays, a stopped one never does, also when it is stopped
// from another timer's callback; then the screen's work area and a tiny window. An input line
// "cursor" reports the pointer's position, "shrink" makes the window smaller still.
int ReportBackend(platform::Backend& backend, Input& input) {
    std::string fired;
    bool done = false;
    const auto record = [&fired](const char* name) { return [&fired, name] { fired += name; }; };
    const std::uint64_t late = backend.StartTimer(60, record(" late"));
    const std::uint64_t stopped = backend.StartTimer(40, record(" stopped"));
    const std::uint64_t early = backend.StartTimer(20, [&] {
        fired += " early";
        backend.StopTimer(stopped);
    });
    const std::uint64_t never = backend.StartTimer(30, record(" never"));
    backend.StopTimer(never);
    backend.StartTimer(100, [&done] { done = true; });
    while (!done) {
        backend.WaitForEvents();
    }
    const bool ids_valid = late != 0 && stopped != 0 && early != 0 && never != 0 &&
                           late != stopped && stopped != early && early != never && never != late;
    Say("fired" + fired + (ids_valid ? "" : " (ids invalid)"));
    Say("work area " + Describe(backend.WorkArea()));
    // Far below GTK's idea of a window's minimum size.
    const auto tiny = ShowSolidWindow(backend, "tiny", ui::Rect::FromXywh(300, 200, 7, 3));
    while (const auto line = input.RunLoopUntilLine(backend)) {
        if (*line == "cursor") {
            const ui::Point cursor = backend.CursorPosition();
            Say("cursor " + std::to_string(cursor.x) + ' ' + std::to_string(cursor.y));
        } else if (*line == "shrink") {
            tiny->Native().SetGeometry(ui::Rect::FromXywh(310, 210, 2, 1));
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scenario = argc > 1 ? argv[1] : "";
    const std::string argument = argc > 2 ? argv[2] : "";
    try {
        alarm(kTimeoutSeconds);
        platform::gtk::GtkBackend backend;
        Input input;
        if (scenario == "layered") {
            return Layered(backend, input);
        }
        if (scenario == "message-box" && (argument == "yes-no" || argument == "ok")) {
            return AskMessageBox(backend, argument);
        }
        if (scenario == "drag") {
            return Drag(backend, input);
        }
        if (scenario == "input") {
            return ReportInput(backend, input);
        }
        if (scenario == "backend") {
            return ReportBackend(backend, input);
        }
        std::cerr << "usage: window_probe layered | message-box yes-no|ok | drag | input | backend"
                  << std::endl;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "window_probe: " << error.what() << std::endl;
        return 1;
    }
}
