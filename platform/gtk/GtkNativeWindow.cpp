#include "platform/gtk/GtkNativeWindow.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/cairo/CairoBitmap.h"
#include "platform/gtk/MouseButtons.h"
#include "platform/gtk/PixbufFromPng.h"
#include "platform/gtk/PresentNow.h"
#include "platform/gtk/VirtualKeys.h"
#include "ui/TextEncoding.h"

namespace platform::gtk {
namespace {

constexpr int kWheelDelta = 120;

constexpr GdkEventMask kEvents = static_cast<GdkEventMask>(
    GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
    GDK_LEAVE_NOTIFY_MASK | GDK_SCROLL_MASK | GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK |
    GDK_STRUCTURE_MASK | GDK_FOCUS_CHANGE_MASK);

unsigned ModifiersFromState(guint state) {
    constexpr struct {
        guint mask;
        unsigned flag;
    } kMap[] = {
        {GDK_SHIFT_MASK, modifier::kShift},
        {GDK_CONTROL_MASK, modifier::kControl},
        {GDK_MOD1_MASK, modifier::kAlt},
        {GDK_BUTTON1_MASK, modifier::kLeftButton},
        {GDK_BUTTON2_MASK, modifier::kMiddleButton},
        {GDK_BUTTON3_MASK, modifier::kRightButton},
    };
    unsigned modifiers = 0;
    for (const auto& m : kMap) {
        if (state & m.mask) {
            modifiers |= m.flag;
        }
    }
    return modifiers;
}

unsigned ModifierOfButton(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return modifier::kLeftButton;
        case MouseButton::Middle:
            return modifier::kMiddleButton;
        case MouseButton::Right:
            return modifier::kRightButton;
        case MouseButton::None:
            break;
    }
    return 0;
}

ui::Point PixelAt(double x, double y) {
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

MouseEvent MakeMouseEvent(MouseEvent::Kind kind, double x, double y, double x_root, double y_root,
                          guint state, guint32 time) {
    MouseEvent event;
    event.kind = kind;
    event.position = PixelAt(x, y);
    event.screen = PixelAt(x_root, y_root);
    event.modifiers = ModifiersFromState(state);
    event.time = time;
    return event;
}

// What a key types: keypad Enter and Shift+Tab type what Enter and Tab do; Delete and keys
// pressed with Control (a shortcut, unless Alt makes it AltGr) type nothing.
char32_t CharacterOfKey(const GdkEventKey& event) {
    if ((event.state & GDK_CONTROL_MASK) && !(event.state & GDK_MOD1_MASK)) {
        return 0;
    }
    switch (event.keyval) {
        case GDK_KEY_KP_Enter:
            return U'\r';
        case GDK_KEY_ISO_Left_Tab:
            return U'\t';
        case GDK_KEY_Delete:
        case GDK_KEY_KP_Delete:
            return 0;
        default:
            return gdk_keyval_to_unicode(event.keyval);
    }
}

ui::Rect BoundsOf(cairo_surface_t* surface) {
    return ui::Rect::FromXywh(0, 0, cairo_image_surface_get_width(surface),
                              cairo_image_surface_get_height(surface));
}

void CopySurface(cairo_surface_t* source, cairo_surface_t* target, const ui::Rect& area) {
    const cairo::ContextPtr cr(cairo_create(target));
    cairo_rectangle(cr.get(), area.left, area.top, area.Width(), area.Height());
    cairo_clip(cr.get());
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr.get(), source, 0, 0);
    cairo_paint(cr.get());
}

// The pixels with any alpha, as one rectangle per run of such pixels in each row; cairo
// merges them into bands in one pass.
RegionPtr VisibleRegion(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<cairo_rectangle_int_t> runs;
    for (int y = 0; y < height && data != nullptr; ++y) {
        const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        const auto alpha = [row](int x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof pixel);
            return pixel >> 24;
        };
        for (int x = 0; x < width;) {
            while (x < width && alpha(x) == 0) {
                ++x;
            }
            const int start = x;
            while (x < width && alpha(x) != 0) {
                ++x;
            }
            if (x > start) {
                runs.push_back({start, y, x - start, 1});
            }
        }
    }
    return RegionPtr(cairo_region_create_rectangles(runs.data(), static_cast<int>(runs.size())));
}

const char* CursorName(Cursor cursor) {
    switch (cursor) {
        case Cursor::SizeNWSE:
            return "nwse-resize";
        case Cursor::SizeNESW:
            return "nesw-resize";
        case Cursor::SizeWE:
            return "ew-resize";
        case Cursor::SizeNS:
            return "ns-resize";
        case Cursor::Arrow:
            break;
    }
    return "default";
}

}  // namespace

struct GtkNativeWindow::Signals {
    // GTK's own drawing follows, which only draws the children (web views) over this.
    static gboolean Draw(GtkWidget*, cairo_t* cr, gpointer self) {
        cairo_surface_t* content = static_cast<GtkNativeWindow*>(self)->content_.get();
        cairo_save(cr);
        // Source, not over: the window's own pixels carry the alpha.
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        if (content != nullptr) {
            cairo_set_source_surface(cr, content, 0, 0);
        } else {
            cairo_set_source_rgba(cr, 0, 0, 0, 0);
        }
        cairo_paint(cr);
        cairo_restore(cr);
        return FALSE;
    }
    static gboolean Button(GtkWidget*, GdkEventButton* event, gpointer self) {
        auto* window = static_cast<GtkNativeWindow*>(self);
        if (!window->IsOwnEvent(event->window)) {
            return FALSE;
        }
        window->OnButton(*event);
        return TRUE;
    }
    static gboolean Motion(GtkWidget*, GdkEventMotion* event, gpointer self) {
        auto* window = static_cast<GtkNativeWindow*>(self);
        if (!window->IsOwnEvent(event->window)) {
            return FALSE;
        }
        window->OnMotion(*event);
        return TRUE;
    }
    static gboolean Leave(GtkWidget*, GdkEventCrossing* event, gpointer self) {
        auto* window = static_cast<GtkNativeWindow*>(self);
        if (window->IsOwnEvent(event->window)) {
            window->OnLeave(*event);
        }
        return FALSE;
    }
    static gboolean Scroll(GtkWidget*, GdkEventScroll* event, gpointer self) {
        auto* window = static_cast<GtkNativeWindow*>(self);
        if (!window->IsOwnEvent(event->window)) {
            return FALSE;
        }
        window->OnScroll(*event);
        return TRUE;
    }
    // Handled keys stop here: GTK's own bindings (focus moves, mnemonics) do not apply. While
    // a web view has the focus, keys are its own.
    static gboolean Key(GtkWidget* widget, GdkEventKey* event, gpointer self) {
        if (gtk_window_get_focus(GTK_WINDOW(widget)) != nullptr) {
            return FALSE;
        }
        static_cast<GtkNativeWindow*>(self)->OnKey(*event);
        return TRUE;
    }
    // GTK would move the focus to a web view on its own when the window is shown or Tab leaves
    // the page; only the framework gives it.
    static gboolean MoveFocus(GtkWidget*, GtkDirectionType, gpointer) { return TRUE; }
    // GTK's own handlers of the following update its state; they must still run.
    static gboolean Configure(GtkWidget*, GdkEventConfigure* event, gpointer self) {
        static_cast<GtkNativeWindow*>(self)->OnConfigure(*event);
        return FALSE;
    }
    static gboolean WindowState(GtkWidget*, GdkEventWindowState* event, gpointer self) {
        static_cast<GtkNativeWindow*>(self)->OnWindowState(*event);
        return FALSE;
    }
    static gboolean Focus(GtkWidget*, GdkEventFocus* event, gpointer self) {
        static_cast<GtkNativeWindow*>(self)->sink_.OnNativeFocus(event->in != 0);
        return FALSE;
    }
    static gboolean GrabBroken(GtkWidget*, GdkEventGrabBroken* event, gpointer self) {
        static_cast<GtkNativeWindow*>(self)->OnGrabBroken(*event);
        return FALSE;
    }
    static gboolean Map(GtkWidget*, GdkEvent*, gpointer self) {
        static_cast<GtkNativeWindow*>(self)->sink_.OnNativeExpose();
        return FALSE;
    }
    // Closing is the framework's decision; GTK must not destroy the window itself.
    static gboolean Delete(GtkWidget*, GdkEvent*, gpointer self) {
        static_cast<GtkNativeWindow*>(self)->sink_.OnNativeCloseRequest();
        return TRUE;
    }

    static void Connect(GtkNativeWindow& window) {
        const struct {
            const char* signal;
            GCallback handler;
        } kHandlers[] = {
            {"draw", G_CALLBACK(Draw)},
            {"button-press-event", G_CALLBACK(Button)},
            {"button-release-event", G_CALLBACK(Button)},
            {"motion-notify-event", G_CALLBACK(Motion)},
            {"leave-notify-event", G_CALLBACK(Leave)},
            {"scroll-event", G_CALLBACK(Scroll)},
            {"key-press-event", G_CALLBACK(Key)},
            {"key-release-event", G_CALLBACK(Key)},
            {"configure-event", G_CALLBACK(Configure)},
            {"window-state-event", G_CALLBACK(WindowState)},
            {"focus-in-event", G_CALLBACK(Focus)},
            {"focus-out-event", G_CALLBACK(Focus)},
            {"grab-broken-event", G_CALLBACK(GrabBroken)},
            {"map-event", G_CALLBACK(Map)},
            {"delete-event", G_CALLBACK(Delete)},
            {"focus", G_CALLBACK(MoveFocus)},
        };
        for (const auto& h : kHandlers) {
            g_signal_connect(window.widget_.get(), h.signal, h.handler, &window);
        }
    }
};

GtkNativeWindow::GtkNativeWindow(NativeWindowSink& sink, const NativeWindowOptions& options)
    : sink_(sink), widget_(gtk_window_new(GTK_WINDOW_TOPLEVEL)) {
    GtkWidget* widget = widget_.get();
    GtkWindow* window = Window();
    gtk_window_set_decorated(window, options.caption);
    if (options.caption) {
        // Positions then name the client area, as SetGeometry's callers mean them.
        gtk_window_set_gravity(window, GDK_GRAVITY_STATIC);
    }
    gtk_window_set_skip_taskbar_hint(window, !options.taskbar);
    gtk_window_set_modal(window, options.modal);
    gtk_widget_set_app_paintable(widget, TRUE);
    // Without this GTK keeps windows at its own minimum size.
    gtk_widget_set_size_request(widget, 1, 1);
    layered_ = options.layered;
    if (options.layered) {
        if (GdkVisual* rgba = gdk_screen_get_rgba_visual(gtk_widget_get_screen(widget))) {
            gtk_widget_set_visual(widget, rgba);
        }
    }
    gtk_widget_add_events(widget, kEvents);
    Signals::Connect(*this);
    // A native window from the start, so cursors, shapes and grabs work before the first show.
    gtk_widget_realize(widget);
}

GtkNativeWindow::~GtkNativeWindow() {
    // Destroying the window emits focus and crossing events; the sink may be gone already.
    g_signal_handlers_disconnect_by_data(widget_.get(), this);
}

void GtkNativeWindow::SetGeometry(const ui::Rect& screen_rect) {
    MoveResize(screen_rect);
}

void GtkNativeWindow::MoveResize(const ui::Rect& screen_rect) {
    const int width = std::max(screen_rect.Width(), 1);
    const int height = std::max(screen_rect.Height(), 1);
    gtk_window_move(Window(), screen_rect.left, screen_rect.top);
    gtk_window_resize(Window(), width, height);
    // Send the new size now instead of at the next frame, so drawing right after it covers
    // the whole window.
    gtk_container_check_resize(GTK_CONTAINER(widget_.get()));
    ResizeContent(width, height);
}

void GtkNativeWindow::ResizeContent(int width, int height) {
    if (content_ && cairo_image_surface_get_width(content_.get()) == width &&
        cairo_image_surface_get_height(content_.get()) == height) {
        return;
    }
    cairo::SurfacePtr resized(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (content_) {
        CopySurface(content_.get(), resized.get(), BoundsOf(resized.get()));
    }
    content_ = std::move(resized);
}

void GtkNativeWindow::Show(ShowCommand command) {
    GtkWindow* window = Window();
    switch (command) {
        case ShowCommand::Hide:
            gtk_widget_hide(widget_.get());
            break;
        case ShowCommand::Show:
        case ShowCommand::Maximize:  // the framework gives maximised windows the work area
            gtk_window_present(window);
            break;
        case ShowCommand::ShowNoActivate:
            gtk_window_set_focus_on_map(window, FALSE);
            gtk_widget_show(widget_.get());
            gtk_window_set_focus_on_map(window, TRUE);
            break;
        case ShowCommand::Minimize:
            gtk_window_iconify(window);
            gtk_widget_show(widget_.get());
            break;
        case ShowCommand::Restore:
            gtk_window_deiconify(window);
            gtk_window_present(window);
            break;
    }
    // A layered picture presented before the window was mapped is put on the screen now,
    // rather than at GTK's next frame, which a busy loop turn can hold back.
    if (layered_ && command != ShowCommand::Hide) {
        PaintNow();
    }
}

void GtkNativeWindow::SetTitle(std::u16string_view title) {
    gtk_window_set_title(Window(), ui::ToUtf8(title).c_str());
}

void GtkNativeWindow::SetIcon(std::span<const std::uint8_t> png) {
    if (const PixbufPtr pixbuf = PixbufFromPng(png)) {
        gtk_window_set_icon(Window(), pixbuf.get());
    }
}

void GtkNativeWindow::SetOwner(NativeWindow* owner) {
    const auto* gtk_owner = dynamic_cast<const GtkNativeWindow*>(owner);
    gtk_window_set_transient_for(Window(), gtk_owner != nullptr ? gtk_owner->Window() : nullptr);
}

void GtkNativeWindow::SetTaskbarVisible(bool visible) {
    gtk_window_set_skip_taskbar_hint(Window(), !visible);
}

void GtkNativeWindow::Raise() {
    gdk_window_raise(NativeHandle());
}

void GtkNativeWindow::Focus() {
    // The window's own content takes the keys back from a web view.
    gtk_window_set_focus(Window(), nullptr);
    gdk_window_focus(NativeHandle(), gtk_get_current_event_time());
}

GtkOverlay* GtkNativeWindow::ChildHost() {
    if (child_host_ == nullptr) {
        // An overlay places its children where asked without making the window any bigger.
        child_host_ = gtk_overlay_new();
        gtk_container_add(GTK_CONTAINER(widget_.get()), child_host_);
        gtk_widget_show(child_host_);
    }
    return GTK_OVERLAY(child_host_);
}

void GtkNativeWindow::Present(const ui::Bitmap& content, const ui::Rect& dirty) {
    const auto& bitmap = dynamic_cast<const cairo::CairoBitmap&>(content);
    if (bitmap.Surface() == nullptr || !content_) {
        return;
    }
    const ui::Rect area =
        ui::Intersect(ui::Intersect(dirty, BoundsOf(bitmap.Surface())), BoundsOf(content_.get()));
    if (area.IsEmpty()) {
        return;
    }
    CopySurface(bitmap.Surface(), content_.get(), area);
    gtk_widget_queue_draw_area(widget_.get(), area.left, area.top, area.Width(), area.Height());
}

bool GtkNativeWindow::PresentLayered(const ui::Bitmap& content, ui::Point screen_position) {
    const auto& bitmap = dynamic_cast<const cairo::CairoBitmap&>(content);
    if (bitmap.Surface() == nullptr || bitmap.SurfaceWidth() == 0 || bitmap.SurfaceHeight() == 0) {
        return false;
    }
    MoveResize(ui::Rect::FromXywh(screen_position.x, screen_position.y, bitmap.SurfaceWidth(),
                                  bitmap.SurfaceHeight()));
    CopySurface(bitmap.Surface(), content_.get(), BoundsOf(content_.get()));
    UpdateShape();
    // Drawn once, here; GTK draws from the same copy whenever the window is exposed or mapped.
    PaintNow();
    return true;
}

void GtkNativeWindow::UpdateShape() {
    const RegionPtr visible = VisibleRegion(content_.get());
    ShapeNow(NativeHandle(), ShapeKind::Input, visible.get());
    // Without a compositor alpha is not blended, so transparent parts are cut away instead of
    // showing black.
    const bool composited = gdk_screen_is_composited(gtk_widget_get_screen(widget_.get()));
    ShapeNow(NativeHandle(), ShapeKind::Bounding, composited ? nullptr : visible.get());
}

void GtkNativeWindow::PaintNow() {
    if (content_ != nullptr && gtk_widget_get_mapped(widget_.get())) {
        DrawNow(NativeHandle(), content_.get());
    }
}

void GtkNativeWindow::SetCursor(Cursor cursor) {
    GdkWindow* window = NativeHandle();
    const CursorPtr native(
        gdk_cursor_new_from_name(gdk_window_get_display(window), CursorName(cursor)));
    gdk_window_set_cursor(window, native.get());
}

bool GtkNativeWindow::GrabPointer() {
    GdkWindow* window = NativeHandle();
    GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
    // Not reported to the program's other windows as usual either: a web view inside this one
    // would take the input over it.
    pointer_grabbed_ = gdk_seat_grab(seat, window, GDK_SEAT_CAPABILITY_POINTER, FALSE, nullptr,
                                     nullptr, nullptr, nullptr) == GDK_GRAB_SUCCESS;
    return pointer_grabbed_;
}

void GtkNativeWindow::UngrabPointer() {
    if (!pointer_grabbed_) {
        return;
    }
    pointer_grabbed_ = false;
    gdk_seat_ungrab(gdk_display_get_default_seat(gdk_window_get_display(NativeHandle())));
}

void GtkNativeWindow::BeginMoveDrag(ui::Point screen_point) {
    gtk_window_begin_move_drag(Window(), 1, screen_point.x, screen_point.y,
                               gtk_get_current_event_time());
}

void GtkNativeWindow::OnButton(const GdkEventButton& event) {
    MouseEvent mouse = MakeMouseEvent(MouseEvent::Kind::Press, event.x, event.y, event.x_root,
                                      event.y_root, event.state, event.time);
    mouse.button = ButtonFromNumber(event.button);
    if (mouse.button == MouseButton::None) {
        return;
    }
    // The flags say which buttons are down after the event.
    switch (event.type) {
        case GDK_BUTTON_PRESS:
            mouse.modifiers |= ModifierOfButton(mouse.button);
            break;
        case GDK_2BUTTON_PRESS:
            mouse.kind = MouseEvent::Kind::DoubleClick;
            mouse.modifiers |= ModifierOfButton(mouse.button);
            break;
        case GDK_BUTTON_RELEASE:
            mouse.kind = MouseEvent::Kind::Release;
            mouse.modifiers &= ~ModifierOfButton(mouse.button);
            break;
        default:
            return;
    }
    sink_.OnNativeMouse(mouse);
}

void GtkNativeWindow::OnMotion(const GdkEventMotion& event) {
    sink_.OnNativeMouse(MakeMouseEvent(MouseEvent::Kind::Move, event.x, event.y, event.x_root,
                                       event.y_root, event.state, event.time));
}

void GtkNativeWindow::OnLeave(const GdkEventCrossing& event) {
    // Grabs starting or ending also report crossings; the pointer did not go anywhere. Going
    // into a web view leaves the window's own content.
    if (event.mode != GDK_CROSSING_NORMAL) {
        return;
    }
    sink_.OnNativeMouse(MakeMouseEvent(MouseEvent::Kind::Leave, event.x, event.y, event.x_root,
                                       event.y_root, event.state, event.time));
}

void GtkNativeWindow::OnScroll(const GdkEventScroll& event) {
    int delta = 0;
    if (event.direction == GDK_SCROLL_UP) {
        delta = kWheelDelta;
    } else if (event.direction == GDK_SCROLL_DOWN) {
        delta = -kWheelDelta;
    } else {
        return;
    }
    MouseEvent mouse = MakeMouseEvent(MouseEvent::Kind::Wheel, event.x, event.y, event.x_root,
                                      event.y_root, event.state, event.time);
    mouse.wheel_delta = delta;
    sink_.OnNativeMouse(mouse);
}

void GtkNativeWindow::OnKey(const GdkEventKey& event) {
    KeyEvent key;
    key.down = event.type == GDK_KEY_PRESS;
    key.virtual_key = VirtualKeyFromKeyval(event.keyval);
    key.extended = IsExtendedKeyval(event.keyval);
    key.modifiers = ModifiersFromState(event.state);
    key.character = key.down ? CharacterOfKey(event) : 0;
    sink_.OnNativeKey(key);
}

void GtkNativeWindow::OnConfigure(const GdkEventConfigure& event) {
    // Only ever grow here: a configure event can be older than the last resize, and what was
    // presented must survive it.
    const ui::Rect kept = content_ ? BoundsOf(content_.get()) : ui::Rect{};
    ResizeContent(std::max(event.width, kept.right), std::max(event.height, kept.bottom));
    sink_.OnNativeGeometry(ui::Rect::FromXywh(event.x, event.y, event.width, event.height));
}

void GtkNativeWindow::OnWindowState(const GdkEventWindowState& event) {
    constexpr auto kReported =
        static_cast<GdkWindowState>(GDK_WINDOW_STATE_ICONIFIED | GDK_WINDOW_STATE_MAXIMIZED);
    if ((event.changed_mask & kReported) == 0) {
        return;
    }
    sink_.OnNativeState((event.new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0,
                        (event.new_window_state & GDK_WINDOW_STATE_MAXIMIZED) != 0);
}

void GtkNativeWindow::OnGrabBroken(const GdkEventGrabBroken& event) {
    // The button-press grab X takes on its own is not the framework's to lose.
    if (!pointer_grabbed_ || event.implicit) {
        return;
    }
    pointer_grabbed_ = false;
    sink_.OnNativeGrabBroken();
}

}  // namespace platform::gtk
