#pragma once

#include "platform/NativeWindow.h"
#include "platform/NativeWindowSink.h"
#include "platform/cairo/CairoHandles.h"
#include "platform/gtk/WindowHandles.h"

namespace platform::gtk {

// A GTK toplevel that shows only what was presented to it: it keeps a copy of the picture at
// the window's size and paints that whenever the window needs drawing.
class GtkNativeWindow final : public NativeWindow {
  public:
    GtkNativeWindow(NativeWindowSink& sink, const NativeWindowOptions& options);
    ~GtkNativeWindow() override;
    GtkNativeWindow(const GtkNativeWindow&) = delete;
    GtkNativeWindow& operator=(const GtkNativeWindow&) = delete;

    void SetGeometry(const ui::Rect& screen_rect) override;
    void Show(ShowCommand command) override;
    void SetTitle(std::u16string_view title) override;
    void SetIcon(std::span<const std::uint8_t> png) override;
    void SetOwner(NativeWindow* owner) override;
    void SetTaskbarVisible(bool visible) override;
    void Raise() override;
    void Focus() override;

    void Present(const ui::Bitmap& content, const ui::Rect& dirty) override;
    bool PresentLayered(const ui::Bitmap& content, ui::Point screen_position) override;

    void SetCursor(Cursor cursor) override;
    bool GrabPointer() override;
    void UngrabPointer() override;
    void BeginMoveDrag(ui::Point screen_point) override;

    // For dialogs that stay above this window.
    GtkWindow* Window() const { return GTK_WINDOW(widget_.get()); }
    // The container web views are placed in, over the presented picture; made on first use.
    GtkOverlay* ChildHost();

  private:
    // The C callbacks GTK calls, defined next to the code that connects them.
    struct Signals;
    friend struct Signals;

    GdkWindow* NativeHandle() const { return gtk_widget_get_window(widget_.get()); }
    void MoveResize(const ui::Rect& screen_rect);
    // Keeps what the content has where the new size overlaps the old one.
    void ResizeContent(int width, int height);
    void UpdateShape();
    // Puts the content on the screen before returning, when the window is shown.
    void PaintNow();

    void OnButton(const GdkEventButton& event);
    void OnMotion(const GdkEventMotion& event);
    void OnLeave(const GdkEventCrossing& event);
    void OnScroll(const GdkEventScroll& event);
    void OnKey(const GdkEventKey& event);
    void OnConfigure(const GdkEventConfigure& event);
    void OnWindowState(const GdkEventWindowState& event);
    void OnGrabBroken(const GdkEventGrabBroken& event);

    // Events that arrive through a child (a web view) are the child's.
    bool IsOwnEvent(const GdkWindow* window) const { return window == NativeHandle(); }

    NativeWindowSink& sink_;
    WidgetPtr widget_;
    GtkWidget* child_host_ = nullptr;  // owned by the window
    cairo::SurfacePtr content_;
    bool pointer_grabbed_ = false;
    bool layered_ = false;
};

}  // namespace platform::gtk
