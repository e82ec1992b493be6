#include "platform/gtk/PresentNow.h"

#include <X11/extensions/shape.h>
#include <cairo-xlib.h>
#include <gdk/gdkx.h>

#include <algorithm>
#include <vector>

#include "platform/cairo/CairoHandles.h"

namespace platform::gtk {

void DrawNow(GdkWindow* window, cairo_surface_t* picture) {
    const cairo::SurfacePtr target(cairo_xlib_surface_create(
        GDK_WINDOW_XDISPLAY(window), GDK_WINDOW_XID(window),
        gdk_x11_visual_get_xvisual(gdk_window_get_visual(window)),
        cairo_image_surface_get_width(picture), cairo_image_surface_get_height(picture)));
    {
        const cairo::ContextPtr cr(cairo_create(target.get()));
        cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr.get(), picture, 0, 0);
        cairo_paint(cr.get());
    }
    cairo_surface_flush(target.get());
    gdk_display_sync(gdk_window_get_display(window));
}

void ShapeNow(GdkWindow* window, ShapeKind kind, const cairo_region_t* region) {
    Display* display = GDK_WINDOW_XDISPLAY(window);
    const ::Window id = GDK_WINDOW_XID(window);
    const int x_kind = kind == ShapeKind::Input ? ShapeInput : ShapeBounding;
    if (region == nullptr) {
        XShapeCombineMask(display, id, x_kind, 0, 0, None, ShapeSet);
        return;
    }
    std::vector<XRectangle> rectangles(
        static_cast<std::size_t>(cairo_region_num_rectangles(region)));
    for (std::size_t i = 0; i < rectangles.size(); ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(region, static_cast<int>(i), &r);
        rectangles[i] = {static_cast<short>(r.x), static_cast<short>(r.y),
                         static_cast<unsigned short>(r.width),
                         static_cast<unsigned short>(r.height)};
    }
    // The request's length field has 16 bits, so a detailed shape goes in parts: the first
    // replaces the shape (an empty first part empties it), the others add to it. cairo keeps
    // a region's rectangles in bands, as the server wants them.
    constexpr std::size_t kPerRequest = 8192;
    std::size_t done = 0;
    do {
        const std::size_t count = std::min(kPerRequest, rectangles.size() - done);
        XShapeCombineRectangles(display, id, x_kind, 0, 0, rectangles.data() + done,
                                static_cast<int>(count), done == 0 ? ShapeSet : ShapeUnion,
                                YXBanded);
        done += count;
    } while (done < rectangles.size());
}

}  // namespace platform::gtk
