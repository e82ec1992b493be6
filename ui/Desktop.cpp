#include "ui/Desktop.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

Desktop& Desktop::Get() {
    static Desktop desktop;
    return desktop;
}

platform::Backend& Desktop::Backend() {
    if (backend_ == nullptr) {
        throw std::logic_error("no window backend installed");
    }
    return *backend_;
}

void Desktop::Reset() {
    tray_icons_ = TrayIconTable();
    hot_keys_ = HotKeyTable();
    queue_ = MessageQueue();
    tracker_ = MouseTracker();
    capture = nullptr;
    focus = nullptr;
    key_modifiers = 0;
}

void Desktop::Register(HWND hwnd) {
    live_.insert(hwnd);
}

void Desktop::Unregister(HWND hwnd) {
    live_.erase(hwnd);
}

void Desktop::AddTopLevel(HWND hwnd) {
    top_levels_.push_back(hwnd);
}

void Desktop::RemoveTopLevel(HWND hwnd) {
    top_levels_.erase(std::remove(top_levels_.begin(), top_levels_.end(), hwnd), top_levels_.end());
}

void Desktop::RaiseTopLevel(HWND hwnd) {
    RemoveTopLevel(hwnd);
    top_levels_.push_back(hwnd);
}

}  // namespace ui
