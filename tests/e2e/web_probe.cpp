// Drives a web view of the GTK backend on a real display for the end-to-end tests. It shows one
// window with a web view in part of its client area and prints, one line each, what the view's
// host is told and what the window receives itself. The web view's document-start script gives
// pages window.external.probe. Commands, one per input line:
//   navigate ADDRESS | reload | address | focus | window-focus | right-as-left on|off
//   clear-cookies-and-reload | geometry X Y W H | show 0|1 | grab | ungrab | quit
// It exits when its input closes, and is killed by an alarm so a failing test never hangs.
//   web_probe [--context-menu] [--scroll-bars]
// The host cancels every navigation whose address contains "cancelme".

#include <unistd.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
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
#include "ui/TextEncoding.h"

namespace {

using platform::MouseEvent;

constexpr unsigned kTimeoutSeconds = 60;
constexpr ui::Color kWindowColor = ui::Color::FromArgb(255, 0x20, 0x40, 0x80);
const ui::Rect kWindowRect = ui::Rect::FromXywh(100, 100, 640, 480);
const ui::Rect kViewRect = ui::Rect::FromXywh(20, 30, 500, 400);
constexpr const char* kDocumentStartScript =
    "window.external = { probe: 'web_probe', frame: location.pathname };";

void Say(const std::string& line) {
    std::cout << line << std::endl;
}

// The host of the web view: it reports what it is asked and refuses "cancelme" addresses.
class ProbeHost final : public platform::WebViewSink {
  public:
    bool OnBeforeNavigate(std::u16string_view address) override {
        const std::string uri = ui::ToUtf8(address);
        const bool cancel = uri.find("cancelme") != std::string::npos;
        Say("ask " + uri + (cancel ? " cancel" : " allow"));
        return cancel;
    }
    void OnWebViewFocus() override { Say("webview focus"); }
};

// The window under the web view reports its own pointer presses, leaves and keys.
class ProbeWindow final : public platform::NativeWindowSink {
  public:
    explicit ProbeWindow(platform::Backend& backend)
        : native_(backend.CreateNativeWindow(*this, platform::NativeWindowOptions{})) {}

    platform::NativeWindow& Native() { return *native_; }

    void OnNativeMouse(const MouseEvent& event) override {
        if (event.kind == MouseEvent::Kind::Press) {
            Say("window press " + std::to_string(event.position.x) + ' ' +
                std::to_string(event.position.y));
        } else if (event.kind == MouseEvent::Kind::Leave) {
            Say("window leave");
        }
    }
    void OnNativeKey(const platform::KeyEvent& event) override {
        if (event.down) {
            Say("window key " + std::to_string(event.virtual_key));
        }
    }
    void OnNativeGeometry(const ui::Rect&) override {}
    void OnNativeState(bool, bool) override {}
    void OnNativeCloseRequest() override {}
    void OnNativeExpose() override {}
    void OnNativeFocus(bool) override {}
    void OnNativeGrabBroken() override {}

  private:
    std::unique_ptr<platform::NativeWindow> native_;
};

// The probe's input lines, read on a thread of their own, which may outlive main().
class Input {
  public:
    Input() : shared_(std::make_shared<Shared>()) {
        std::thread([shared = shared_] {
            std::string line;
            while (std::getline(std::cin, line)) {
                const std::lock_guard lock(shared->mutex);
                shared->lines.push_back(line);
            }
            const std::lock_guard lock(shared->mutex);
            shared->closed = true;
        }).detach();
    }

    // Runs the event loop until a line arrives; nullopt when the input has closed. The
    // reading thread cannot wake the loop, so a short timer keeps it turning.
    std::optional<std::string> RunLoopUntilLine(platform::Backend& backend) {
        for (;;) {
            {
                const std::lock_guard lock(shared_->mutex);
                if (!shared_->lines.empty()) {
                    std::string line = std::move(shared_->lines.front());
                    shared_->lines.pop_front();
                    return line;
                }
                if (shared_->closed) {
                    return std::nullopt;
                }
            }
            bool ticked = false;
            backend.StartTimer(50, [&ticked] { ticked = true; });
            while (!ticked) {
                backend.WaitForEvents();
            }
        }
    }

  private:
    struct Shared {
        std::mutex mutex;
        std::deque<std::string> lines;
        bool closed = false;
    };
    std::shared_ptr<Shared> shared_;
};

std::unique_ptr<ui::Bitmap> SolidBitmap(int width, int height, ui::Color color) {
    auto bitmap = ui::Bitmap::Create(width, height);
    ui::Graphics::FromBitmap(*bitmap)->FillRectangle(color, {0, 0, width, height});
    return bitmap;
}

// Carries out one command; false when the probe should end.
bool Run(const std::string& line, platform::Backend& backend, ProbeWindow& window,
         platform::WebView& view) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "navigate") {
        std::string address;
        words >> address;
        view.Navigate(ui::FromUtf8(address));
    } else if (command == "reload") {
        view.Reload();
    } else if (command == "address") {
        Say("address " + ui::ToUtf8(view.CurrentAddress()));
    } else if (command == "focus") {
        view.Focus();
    } else if (command == "window-focus") {
        window.Native().Focus();
    } else if (command == "right-as-left") {
        std::string state;
        words >> state;
        view.SetRightButtonAsLeft(state == "on");
    } else if (command == "clear-cookies-and-reload") {
        // At once, in one turn of the loop: the reload must not see the old cookies.
        backend.ClearWebCookies();
        view.Reload();
    } else if (command == "geometry") {
        int x = 0, y = 0, width = 0, height = 0;
        words >> x >> y >> width >> height;
        view.SetGeometry(ui::Rect::FromXywh(x, y, width, height));
    } else if (command == "show") {
        int shown = 1;
        words >> shown;
        view.Show(shown != 0);
    } else if (command == "grab") {
        Say(window.Native().GrabPointer() ? "grabbed" : "not grabbed");
    } else if (command == "ungrab") {
        window.Native().UngrabPointer();
    } else if (command == "quit") {
        return false;
    } else {
        Say("unknown command " + command);
        return true;
    }
    Say("done " + command);
    return true;
}

int Probe(int argc, char** argv) {
    platform::WebViewSettings settings;
    settings.document_start_script = kDocumentStartScript;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--context-menu") {
            settings.context_menu = true;
        } else if (option == "--scroll-bars") {
            settings.scroll_bars = true;
        } else {
            std::cerr << "usage: web_probe [--context-menu] [--scroll-bars]" << std::endl;
            return 2;
        }
    }
    platform::gtk::GtkBackend backend;
    Input input;
    ProbeWindow window(backend);
    window.Native().SetTitle(u"Web probe");
    window.Native().SetGeometry(kWindowRect);
    window.Native().Present(*SolidBitmap(kWindowRect.Width(), kWindowRect.Height(), kWindowColor),
                            ui::Rect::FromXywh(0, 0, kWindowRect.Width(), kWindowRect.Height()));
    ProbeHost host;
    std::unique_ptr<platform::WebView> view =
        backend.CreateWebView(window.Native(), host, settings);
    if (!view) {
        Say("no web view");
        return 1;
    }
    view->SetGeometry(kViewRect);
    view->Show(true);
    window.Native().Show(platform::ShowCommand::Show);
    Say("ready");
    while (const auto line = input.RunLoopUntilLine(backend)) {
        if (!Run(*line, backend, window, *view)) {
            break;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        alarm(kTimeoutSeconds);
        return Probe(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "web_probe: " << error.what() << std::endl;
        return 1;
    }
}
