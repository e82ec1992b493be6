#pragma once

#include <string_view>

#include "platform/NativeWindowSink.h"

namespace platform {

// Receives the pointer actions on a tray icon.
class TrayIconSink {
  public:
    virtual ~TrayIconSink() = default;
    // kind is Press, Release or DoubleClick; a tray that only reports activation reports a
    // left Press.
    virtual void OnTrayMouse(MouseEvent::Kind kind, MouseButton button) = 0;
};

// An icon in the desktop's notification area; it is removed when destroyed.
class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    virtual void SetTip(std::u16string_view tip) = 0;
};

}  // namespace platform
