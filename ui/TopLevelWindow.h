#pragma once

#include <memory>
#include <optional>

#include "platform/NativeWindow.h"
#include "platform/NativeWindowSink.h"
#include "ui/Icon.h"
#include "ui/WinDef.h"

namespace ui {

class Bitmap;
class Graphics;

// What a top-level window has beyond a child: its native window (made when first shown), the
// surface its windows paint on, and the translation of native input into messages for the
// window under the pointer, the capture or the focus.
class TopLevelWindow final : public platform::NativeWindowSink {
  public:
    explicit TopLevelWindow(HWND hwnd);
    ~TopLevelWindow() override;

    // Null until the window is first shown.
    platform::NativeWindow* Native() const { return native_.get(); }
    platform::NativeWindow& EnsureNative();

    // Drawing on the part of this window's surface that belongs to hwnd (this window or a
    // descendant), in hwnd's client coordinates; null when there is no surface yet.
    std::unique_ptr<Graphics> GraphicsFor(HWND hwnd, const std::optional<CRect>& clip);
    // Paints every window of the tree that needs it and shows the result.
    void PaintPending();
    bool NeedsPaint() const;
    void PresentLayered(const Bitmap& picture, CPoint screen_position);
    bool IsLayeredPresented() const { return layered_presented_; }

    // The window the focus returns to when this top-level is activated again.
    HWND last_focus = nullptr;
    HICON big_icon = nullptr;
    HICON small_icon = nullptr;

    void OnNativeMouse(const platform::MouseEvent& event) override;
    void OnNativeKey(const platform::KeyEvent& event) override;
    void OnNativeGeometry(const ui::Rect& screen_rect) override;
    void OnNativeState(bool minimized, bool maximized) override;
    void OnNativeCloseRequest() override;
    void OnNativeExpose() override;
    void OnNativeFocus(bool focused) override;
    void OnNativeGrabBroken() override;

  private:
    void EnsureSurface();
    void PaintTree(HWND hwnd, CPoint origin, const CRect& visible);
    void MarkPresented(const CRect& rect);
    UINT PressMessage(const platform::MouseEvent& event, HWND target);

    HWND hwnd_;
    std::unique_ptr<platform::NativeWindow> native_;
    std::unique_ptr<Bitmap> surface_;
    CRect dirty_;  // presented area not yet shown
    bool layered_presented_ = false;
    bool native_layered_ = false;

    // Double clicks are recognised here, so every backend reports them the same way.
    struct LastPress {
        HWND target = nullptr;
        platform::MouseButton button = platform::MouseButton::None;
        std::uint32_t time = 0;
        CPoint screen;
    } last_press_;
};

}  // namespace ui
