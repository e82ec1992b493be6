#pragma once

#include <cstdint>

#include "ui/Geometry.h"

namespace platform {

enum class MouseButton { None, Left, Right, Middle };

// Key and button state with input events, as the framework's MK_* flags spell it.
namespace modifier {
constexpr unsigned kLeftButton = 0x0001;
constexpr unsigned kRightButton = 0x0002;
constexpr unsigned kShift = 0x0004;
constexpr unsigned kControl = 0x0008;
constexpr unsigned kMiddleButton = 0x0010;
constexpr unsigned kAlt = 0x0020;  // not an MK_* flag; carried for key events
}  // namespace modifier

struct MouseEvent {
    enum class Kind { Move, Press, Release, DoubleClick, Wheel, Leave } kind = Kind::Move;
    MouseButton button = MouseButton::None;
    ui::Point position;  // relative to the window's top-left corner
    ui::Point screen;
    unsigned modifiers = 0;
    int wheel_delta = 0;     // multiples of 120, positive away from the user
    std::uint32_t time = 0;  // the event's timestamp in milliseconds
};

struct KeyEvent {
    bool down = true;
    std::uint8_t virtual_key = 0;  // Windows virtual-key code, 0 for keys without one
    bool extended = false;         // the key is on the extended part of the keyboard
    unsigned modifiers = 0;
    char32_t character = 0;  // the text the key types, 0 for none
};

// What a native window reports. Everything arrives on the user-interface thread.
class NativeWindowSink {
  public:
    virtual ~NativeWindowSink() = default;

    virtual void OnNativeMouse(const MouseEvent& event) = 0;
    virtual void OnNativeKey(const KeyEvent& event) = 0;
    // The window's screen rectangle changed (moved by the window manager, resized, restored).
    virtual void OnNativeGeometry(const ui::Rect& screen_rect) = 0;
    virtual void OnNativeState(bool minimized, bool maximized) = 0;
    virtual void OnNativeCloseRequest() = 0;
    // Part of the window needs its content again.
    virtual void OnNativeExpose() = 0;
    virtual void OnNativeFocus(bool focused) = 0;
    // The pointer grab ended without the window asking.
    virtual void OnNativeGrabBroken() = 0;
};

}  // namespace platform
