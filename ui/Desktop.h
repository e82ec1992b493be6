#pragma once

#include <set>
#include <vector>

#include "ui/HotKeyTable.h"
#include "ui/MessageQueue.h"
#include "ui/MouseTracker.h"
#include "ui/TrayIconTable.h"
#include "ui/WinDef.h"

namespace platform {
class Backend;
}

namespace ui {

// The framework's process-wide state: the backend, the live windows, top-level stacking,
// capture, focus and the message queue. Everything runs on the user-interface thread.
class Desktop {
  public:
    static Desktop& Get();

    // main() installs the backend before the first window is made.
    void SetBackend(platform::Backend* backend) { backend_ = backend; }
    platform::Backend& Backend();
    bool HasBackend() const { return backend_ != nullptr; }

    void Register(HWND hwnd);
    void Unregister(HWND hwnd);
    bool IsLive(HWND hwnd) const { return hwnd != nullptr && live_.contains(hwnd); }

    // Top-level windows, bottom of the stacking order first.
    const std::vector<HWND>& TopLevels() const { return top_levels_; }
    void AddTopLevel(HWND hwnd);
    void RemoveTopLevel(HWND hwnd);
    void RaiseTopLevel(HWND hwnd);

    HWND capture = nullptr;
    HWND focus = nullptr;
    unsigned key_modifiers = 0;  // platform::modifier flags of the last key or mouse event

    MessageQueue& Queue() { return queue_; }
    MouseTracker& Tracker() { return tracker_; }
    HotKeyTable& HotKeys() { return hot_keys_; }
    TrayIconTable& TrayIcons() { return tray_icons_; }

    // Drops every tray icon, hot key and queued message; called before the backend goes away.
    void Reset();

  private:
    platform::Backend* backend_ = nullptr;
    std::set<HWND> live_;
    std::vector<HWND> top_levels_;
    MessageQueue queue_;
    MouseTracker tracker_;
    HotKeyTable hot_keys_;
    TrayIconTable tray_icons_;
};

}  // namespace ui
