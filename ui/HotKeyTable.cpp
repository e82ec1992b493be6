#include "ui/HotKeyTable.h"

#include "platform/Backend.h"
#include "ui/Desktop.h"
#include "ui/WinApi.h"

namespace ui {

BOOL HotKeyTable::Register(HWND hwnd, int id, UINT modifiers, UINT virtual_key) {
    if (!Desktop::Get().IsLive(hwnd) || grabs_.contains({hwnd, id}) || virtual_key == 0 ||
        virtual_key > 0xFF) {
        return FALSE;
    }
    const UINT mods = modifiers & (MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN);
    const int handle = Desktop::Get().Backend().GrabHotKey(
        mods, static_cast<std::uint8_t>(virtual_key), [hwnd, id, mods, virtual_key] {
            ::PostMessage(hwnd, WM_HOTKEY, static_cast<WPARAM>(id),
                          MAKELPARAM(static_cast<int>(mods), static_cast<int>(virtual_key)));
        });
    if (handle == 0) {
        return FALSE;
    }
    grabs_[{hwnd, id}] = handle;
    return TRUE;
}

BOOL HotKeyTable::Unregister(HWND hwnd, int id) {
    const auto it = grabs_.find({hwnd, id});
    if (it == grabs_.end()) {
        return FALSE;
    }
    Desktop::Get().Backend().UngrabHotKey(it->second);
    grabs_.erase(it);
    return TRUE;
}

void HotKeyTable::ForgetWindow(HWND hwnd) {
    for (auto it = grabs_.begin(); it != grabs_.end();) {
        if (it->first.first == hwnd) {
            Desktop::Get().Backend().UngrabHotKey(it->second);
            it = grabs_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace ui
