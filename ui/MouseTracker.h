#pragma once

#include <cstdint>

#include "ui/WinDef.h"

namespace ui {

// Hover and leave notifications as TrackMouseEvent arms them: one-shot, for one window at a
// time. WM_MOUSEHOVER comes after the pointer rested for the hover time, WM_MOUSELEAVE when it
// leaves the window; a leave ends both kinds of tracking.
class MouseTracker {
  public:
    BOOL Track(DWORD flags, HWND hwnd, DWORD hover_ms);

    // The window under the pointer changed or the pointer moved within it.
    void PointerAt(HWND under_pointer, CPoint screen, unsigned buttons);
    void WindowGone(HWND hwnd);

    HWND Tracked() const { return hwnd_; }
    HWND UnderPointer() const { return under_pointer_; }

  private:
    void StartHoverTimer();
    void StopHoverTimer();
    void HoverTimeElapsed();

    HWND hwnd_ = nullptr;
    bool hover_ = false;
    bool leave_ = false;
    DWORD hover_ms_ = 0;
    std::uint64_t timer_ = 0;
    HWND under_pointer_ = nullptr;
    CPoint screen_;
    unsigned buttons_ = 0;
};

}  // namespace ui
