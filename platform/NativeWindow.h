#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/Geometry.h"

namespace ui {
class Bitmap;
}

namespace platform {

enum class Cursor { Arrow, SizeNWSE, SizeNESW, SizeWE, SizeNS };

enum class ShowCommand { Hide, Show, ShowNoActivate, Minimize, Maximize, Restore };

// How a top-level window is made. Every window is undecorated unless it has a caption: the
// program draws its own frames.
struct NativeWindowOptions {
    bool caption = false;  // a system title bar with a close box (dialogs with WS_CAPTION)
    bool layered = false;  // per-pixel alpha from PresentLayered; alpha 0 takes no input
    bool taskbar = true;   // its own taskbar button
    bool modal = false;    // blocks input to its owner while shown
};

// A top-level window of the windowing system. It knows nothing of messages: it reports what
// happens to it through its NativeWindowSink and is driven by the framework.
class NativeWindow {
  public:
    virtual ~NativeWindow() = default;

    // Screen coordinates of the whole window (for captioned windows, of the client area).
    virtual void SetGeometry(const ui::Rect& screen_rect) = 0;
    virtual void Show(ShowCommand command) = 0;
    virtual void SetTitle(std::u16string_view title) = 0;
    virtual void SetIcon(std::span<const std::uint8_t> png) = 0;
    // Null makes the window independent; otherwise it stays above its owner.
    virtual void SetOwner(NativeWindow* owner) = 0;
    virtual void SetTaskbarVisible(bool visible) = 0;
    virtual void Raise() = 0;
    virtual void Focus() = 0;

    // An opaque window shows the bitmap's rectangle at the same place in its client area.
    virtual void Present(const ui::Bitmap& content, const ui::Rect& dirty) = 0;
    // A layered window shows the bitmap with its alpha at the given screen position; fully
    // transparent pixels let the mouse through to what is below. The picture is on the screen
    // when this returns.
    virtual bool PresentLayered(const ui::Bitmap& content, ui::Point screen_position) = 0;

    virtual void SetCursor(Cursor cursor) = 0;
    // Sends all pointer input to this window until released; false when another client holds
    // the pointer.
    virtual bool GrabPointer() = 0;
    virtual void UngrabPointer() = 0;
    // Lets the window manager move the window with the pointer whose button is down.
    virtual void BeginMoveDrag(ui::Point screen_point) = 0;
};

}  // namespace platform
