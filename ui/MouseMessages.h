#pragma once

#include "platform/NativeWindowSink.h"
#include "ui/WinDef.h"

namespace ui {

// The button-down message for a button; its up message follows it, and its double click
// after that (WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, and so for R and M).
inline UINT ButtonDownMessage(platform::MouseButton button) {
    return button == platform::MouseButton::Right    ? WM_RBUTTONDOWN
           : button == platform::MouseButton::Middle ? WM_MBUTTONDOWN
                                                     : WM_LBUTTONDOWN;
}

}  // namespace ui
