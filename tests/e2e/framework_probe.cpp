// The framework on the GTK backend, for the end-to-end tests: windows written in the
// framework's terms, whose messages are printed one line each. Every mode ends by itself once
// it has seen what its test does, and an alarm ends it after 20 seconds.
//   framework_probe layered    a layered window with opaque, half and clear parts over a
//                              plain one; ends after a press on each
//   framework_probe message    a Yes/No message box; prints the answer
//   framework_probe hotkey     registers Ctrl+Alt+B twice; ends at WM_HOTKEY
//   framework_probe tray       a tray icon; ends at the first left-button-down callback

#include <unistd.h>

#include <functional>
#include <iostream>
#include <string>

#include "platform/ResourceStore.h"
#include "platform/gtk/GtkBackend.h"
#include "ui/Bitmap.h"
#include "ui/CPaintDC.h"
#include "ui/CWnd.h"
#include "ui/Desktop.h"
#include "ui/Graphics.h"
#include "ui/WinApi.h"

namespace {

constexpr UINT kTrayCallback = 2024;
constexpr int kHotKeyId = 1001;

void Say(const std::string& line) {
    std::cout << line << std::endl;
}

// A window that paints itself one colour and reports the messages the tests look for.
class ProbeWindow : public CWnd {
  public:
    ProbeWindow(std::string name, COLORREF color) : name_(std::move(name)), color_(color) {}

    int presses = 0;

  protected:
    void OnPaint() {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(client, color_);
    }
    void OnLButtonDown(UINT, CPoint point) {
        Say("press " + name_ + " " + std::to_string(point.x) + " " + std::to_string(point.y));
        ++presses;
    }
    void OnHotKey(UINT id, UINT modifiers, UINT key) {
        Say("hotkey " + std::to_string(id) + " " + std::to_string(modifiers) + " " +
            std::to_string(key));
        PostQuitMessage(0);
    }
    LRESULT OnTray(WPARAM id, LPARAM mouse) {
        Say("tray " + std::to_string(id) + " " + std::to_string(mouse));
        if (mouse == WM_LBUTTONDOWN) {
            PostQuitMessage(0);
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()

  private:
    std::string name_;
    COLORREF color_;
};

BEGIN_MESSAGE_MAP(ProbeWindow, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_HOTKEY()
ON_MESSAGE(kTrayCallback, OnTray)
END_MESSAGE_MAP()

// Runs the message loop until the quit message or until done says so.
void RunLoop(const std::function<bool()>& done = [] { return false; }) {
    ui::Desktop::Get().Queue().RunModalLoop([&] { return !done(); });
}

// Left 100 px opaque red, next 100 px half-transparent white, the rest fully clear.
int Layered() {
    ProbeWindow below("below", RGB(0x20, 0x40, 0x80));
    below.CreateEx(0, u"Probe below", WS_POPUP | WS_VISIBLE, CRect::FromXywh(100, 100, 300, 200),
                   nullptr, 0);
    below.UpdateWindow();
    ProbeWindow layered("layered", 0);
    layered.CreateEx(WS_EX_LAYERED, u"Probe layered", WS_POPUP | WS_VISIBLE,
                     CRect::FromXywh(100, 100, 300, 200), nullptr, 0);
    auto picture = ui::Bitmap::Create(300, 200);
    auto g = ui::Graphics::FromBitmap(*picture);
    g->FillRectangle(ui::Color::FromArgb(255, 0xE0, 0x30, 0x20), {0, 0, 100, 200});
    g->FillRectangle(ui::Color::FromArgb(128, 0xFF, 0xFF, 0xFF), {100, 0, 200, 200});
    layered.UpdateLayeredWindow(*picture, {100, 100});
    Say("ready");
    RunLoop([&] { return below.presses > 0 && layered.presses > 0; });
    return 0;
}

int Message() {
    const int answer = MessageBoxW(nullptr, u"继续吗？", u"Probe question", MB_YESNO);
    Say(answer == IDYES ? "answer yes" : answer == IDNO ? "answer no" : "answer other");
    return 0;
}

int HotKey() {
    ProbeWindow first("first", 0);
    ProbeWindow second("second", 0);
    first.CreateEx(0, u"Probe first", WS_POPUP, CRect::FromXywh(0, 0, 10, 10), nullptr, 0);
    second.CreateEx(0, u"Probe second", WS_POPUP, CRect::FromXywh(0, 0, 10, 10), nullptr, 0);
    Say("registered " +
        std::to_string(RegisterHotKey(first.m_hWnd, kHotKeyId, MOD_CONTROL | MOD_ALT, 'B')));
    Say("second " +
        std::to_string(RegisterHotKey(second.m_hWnd, kHotKeyId, MOD_CONTROL | MOD_ALT, 'B')));
    RunLoop();
    UnregisterHotKey(first.m_hWnd, kHotKeyId);
    return 0;
}

int Tray() {
    ProbeWindow window("tray", 0);
    window.CreateEx(0, u"Probe tray", WS_POPUP, CRect::FromXywh(0, 0, 10, 10), nullptr, 0);
    NOTIFYICONDATAW data;
    data.cbSize = 956;
    data.hWnd = window.m_hWnd;
    data.uID = 128;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallback;
    data.hIcon = LoadIconW(128);
    std::u16string_view tip = u"Probe tray tip";
    std::copy(tip.begin(), tip.end(), data.szTip);
    Say("added " + std::to_string(Shell_NotifyIconW(NIM_ADD, &data)));
    RunLoop();
    Shell_NotifyIconW(NIM_DELETE, &data);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    alarm(20);
    const std::string mode = argc > 1 ? argv[1] : "";
    platform::gtk::GtkBackend backend;
    ui::Desktop::Get().SetBackend(&backend);
    int status = 2;
    if (mode == "layered") {
        status = Layered();
    } else if (mode == "message") {
        status = Message();
    } else if (mode == "hotkey") {
        status = HotKey();
    } else if (mode == "tray") {
        status = Tray();
    } else {
        std::cerr << "usage: framework_probe layered|message|hotkey|tray\n";
    }
    ui::Desktop::Get().Reset();
    ui::Desktop::Get().SetBackend(nullptr);
    return status;
}
