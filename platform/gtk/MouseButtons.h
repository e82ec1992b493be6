#pragma once

#include "platform/NativeWindowSink.h"

namespace platform::gtk {

// X numbers the buttons 1 left, 2 middle, 3 right.
inline MouseButton ButtonFromNumber(unsigned button) {
    switch (button) {
        case 1:
            return MouseButton::Left;
        case 2:
            return MouseButton::Middle;
        case 3:
            return MouseButton::Right;
        default:
            return MouseButton::None;
    }
}

}  // namespace platform::gtk
