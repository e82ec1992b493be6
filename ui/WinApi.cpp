#include "ui/WinApi.h"

#include <map>
#include <memory>

#include "platform/Backend.h"
#include "platform/ResourceStore.h"
#include "ui/CWinApp.h"
#include "ui/CWnd.h"
#include "ui/Desktop.h"
#include "ui/Icon.h"
#include "ui/TextEncoding.h"
#include "ui/TopLevelWindow.h"
#include "ui/WindowState.h"
#include "ui/WindowTree.h"

namespace {

ui::Desktop& TheDesktop() {
    return ui::Desktop::Get();
}

platform::Cursor ToCursor(UINT id) {
    switch (id) {
        case IDC_SIZENWSE:
            return platform::Cursor::SizeNWSE;
        case IDC_SIZENESW:
            return platform::Cursor::SizeNESW;
        case IDC_SIZEWE:
            return platform::Cursor::SizeWE;
        case IDC_SIZENS:
            return platform::Cursor::SizeNS;
        default:
            return platform::Cursor::Arrow;
    }
}

platform::NativeWindow* NativeOf(HWND hwnd) {
    if (!TheDesktop().IsLive(hwnd)) {
        return nullptr;
    }
    return ui::tree::TopLevelOf(hwnd)->top->Native();
}

}  // namespace

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!TheDesktop().IsLive(hwnd)) {
        return 0;
    }
    return CWnd::CallWindowProc(hwnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd != nullptr && !TheDesktop().IsLive(hwnd)) {
        return FALSE;
    }
    TheDesktop().Queue().Post({hwnd, message, wParam, lParam, 0, {}});
    return TRUE;
}

void PostQuitMessage(int exit_code) {
    TheDesktop().Queue().PostQuit(exit_code);
}

BOOL IsWindow(HWND hwnd) {
    return TheDesktop().IsLive(hwnd) ? TRUE : FALSE;
}

BOOL ReleaseCapture() {
    ui::Desktop& desktop = TheDesktop();
    HWND lost = desktop.capture;
    if (lost == nullptr) {
        return TRUE;
    }
    desktop.capture = nullptr;
    if (auto* native = NativeOf(lost)) {
        native->UngrabPointer();
    }
    ::SendMessage(lost, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
    if (track == nullptr || track->cbSize != sizeof(TRACKMOUSEEVENT)) {
        return FALSE;
    }
    return TheDesktop().Tracker().Track(track->dwFlags, track->hwndTrack, track->dwHoverTime);
}

BOOL SystemParametersInfoW(UINT action, UINT, void* param, UINT) {
    if (action == SPI_GETWORKAREA && param != nullptr) {
        *static_cast<RECT*>(param) = TheDesktop().Backend().WorkArea();
        return TRUE;
    }
    return FALSE;
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        default:
            return 0;
    }
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) {
        return FALSE;
    }
    *point = TheDesktop().Backend().CursorPosition();
    return TRUE;
}

short GetKeyState(int virtual_key) {
    const unsigned mods = TheDesktop().key_modifiers;
    unsigned flag = 0;
    switch (virtual_key) {
        case VK_SHIFT:
            flag = platform::modifier::kShift;
            break;
        case VK_CONTROL:
            flag = platform::modifier::kControl;
            break;
        case VK_MENU:
            flag = platform::modifier::kAlt;
            break;
        default:
            return 0;
    }
    return (mods & flag) != 0 ? static_cast<short>(0x8000) : 0;
}

HCURSOR LoadCursorW(void*, UINT id) {
    static const std::map<UINT, CursorId> cursors = {
        {IDC_ARROW, CursorId{IDC_ARROW}},       {IDC_SIZENWSE, CursorId{IDC_SIZENWSE}},
        {IDC_SIZENESW, CursorId{IDC_SIZENESW}}, {IDC_SIZEWE, CursorId{IDC_SIZEWE}},
        {IDC_SIZENS, CursorId{IDC_SIZENS}},
    };
    const auto it = cursors.find(id);
    return it != cursors.end() ? &it->second : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    static HCURSOR current = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR previous = current;
    current = cursor;
    ui::Desktop& desktop = TheDesktop();
    HWND at = desktop.IsLive(desktop.capture) ? desktop.capture : desktop.Tracker().UnderPointer();
    if (auto* native = NativeOf(at)) {
        native->SetCursor(ToCursor(cursor != nullptr ? static_cast<UINT>(*cursor) : IDC_ARROW));
    }
    return previous;
}

HICON LoadIconW(UINT id) {
    static std::map<UINT, std::unique_ptr<IconData>> icons;
    auto& slot = icons[id];
    if (slot == nullptr) {
        auto png = platform::ResourceStore::Find(platform::ResourceType::Icon,
                                                 static_cast<std::uint16_t>(id));
        if (png.empty()) {
            icons.erase(id);
            return nullptr;
        }
        slot = std::make_unique<IconData>(IconData{png, ui::Image::FromPng(png)});
    }
    return slot.get();
}

int MessageBoxW(HWND owner, std::u16string_view text, const char16_t* caption, UINT type) {
    const std::u16string title = caption != nullptr ? std::u16string(caption) : AfxAppName();
    const auto buttons = (type & MB_TYPEMASK) == MB_YESNO ? platform::MessageBoxButtons::YesNo
                                                          : platform::MessageBoxButtons::Ok;
    const auto answer =
        TheDesktop().Backend().ShowMessageBox(NativeOf(owner), text, title, buttons);
    switch (answer) {
        case platform::MessageBoxAnswer::Yes:
            return IDYES;
        case platform::MessageBoxAnswer::No:
            return IDNO;
        case platform::MessageBoxAnswer::Ok:
            return IDOK;
        case platform::MessageBoxAnswer::Cancel:
            break;
    }
    return buttons == platform::MessageBoxButtons::YesNo ? IDNO : IDCANCEL;
}

BOOL ShellExecuteOpen(std::u16string_view address) {
    return TheDesktop().Backend().OpenUri(ui::ToUtf8(address)) ? TRUE : FALSE;
}

BOOL RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT virtual_key) {
    return TheDesktop().HotKeys().Register(hwnd, id, modifiers, virtual_key);
}

BOOL UnregisterHotKey(HWND hwnd, int id) {
    return TheDesktop().HotKeys().Unregister(hwnd, id);
}

BOOL Shell_NotifyIconW(DWORD message, const NOTIFYICONDATAW* data) {
    if (data == nullptr) {
        return FALSE;
    }
    switch (message) {
        case NIM_ADD:
            return TheDesktop().TrayIcons().Add(*data);
        case NIM_MODIFY:
            return TheDesktop().TrayIcons().Modify(*data);
        case NIM_DELETE:
            return TheDesktop().TrayIcons().Delete(*data);
        default:
            return FALSE;
    }
}
