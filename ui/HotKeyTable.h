#pragma once

#include <map>
#include <utility>

#include "ui/WinDef.h"

namespace ui {

// Global hot keys registered for windows: each (window, id) holds one backend grab, and a
// press arrives as WM_HOTKEY in the window's queue.
class HotKeyTable {
  public:
    BOOL Register(HWND hwnd, int id, UINT modifiers, UINT virtual_key);
    BOOL Unregister(HWND hwnd, int id);
    // A window that goes away gives up its keys.
    void ForgetWindow(HWND hwnd);

  private:
    std::map<std::pair<HWND, int>, int> grabs_;
};

}  // namespace ui
