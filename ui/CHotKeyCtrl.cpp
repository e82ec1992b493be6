#include "ui/CHotKeyCtrl.h"

#include "ui/CPaintDC.h"
#include "ui/KeyNames.h"
#include "ui/WinApi.h"

namespace {

bool IsModifierKey(BYTE key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || (key >= 0xA0 && key <= 0xA5);
}

WORD HeldModifiers() {
    WORD flags = 0;
    if (GetKeyState(VK_SHIFT) & 0x8000) {
        flags |= HOTKEYF_SHIFT;
    }
    if (GetKeyState(VK_CONTROL) & 0x8000) {
        flags |= HOTKEYF_CONTROL;
    }
    if (GetKeyState(VK_MENU) & 0x8000) {
        flags |= HOTKEYF_ALT;
    }
    return flags;
}

}  // namespace

void CHotKeyCtrl::SetHotKey(WORD virtual_key, WORD modifiers) {
    SendMessage(HKM_SETHOTKEY, MAKEWPARAM(LOBYTE(virtual_key) | LOBYTE(modifiers) << 8, 0));
}

DWORD CHotKeyCtrl::GetHotKey() const {
    return value_;
}

void CHotKeyCtrl::GetHotKey(WORD& virtual_key, WORD& modifiers) const {
    virtual_key = LOBYTE(value_);
    modifiers = HIBYTE(value_);
}

LRESULT CHotKeyCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case HKM_SETHOTKEY:
            value_ = LOWORD(wParam);
            shown_modifiers_ = 0;
            Invalidate(TRUE);
            return 0;
        case HKM_GETHOTKEY:
            return value_;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            KeyDown(static_cast<BYTE>(wParam), lParam);
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (shown_modifiers_ != 0) {
                shown_modifiers_ = HeldModifiers();
                Invalidate(TRUE);
            }
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus();
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            shown_modifiers_ = 0;
            Invalidate(TRUE);
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        default:
            return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CHotKeyCtrl::KeyDown(BYTE key, LPARAM info) {
    const WORD held = HeldModifiers();
    if (IsModifierKey(key)) {
        // A modifier alone is not a hot key yet; the field shows it while it is held.
        shown_modifiers_ = held;
    } else if ((key == VK_BACK || key == VK_DELETE) && held == 0) {
        value_ = 0;
        shown_modifiers_ = 0;
    } else {
        const WORD extended = (info & (1 << 24)) != 0 ? HOTKEYF_EXT : 0;
        value_ = static_cast<WORD>(key | (held | extended) << 8);
        shown_modifiers_ = 0;
    }
    Invalidate(TRUE);
}

void CHotKeyCtrl::Paint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, RGB(0x7A, 0x7A, 0x7A));
    dc.FillSolidRect(CRect{1, 1, client.right - 1, client.bottom - 1},
                     IsWindowEnabled() ? RGB(255, 255, 255) : RGB(0xF0, 0xF0, 0xF0));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    std::u16string text = HotKeyText(value_);
    if (shown_modifiers_ != 0) {
        text = HotKeyText(static_cast<WORD>(shown_modifiers_ << 8));
    }
    CRect inner{3, 0, client.right - 3, client.bottom};
    dc.DrawText(text, &inner, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}
