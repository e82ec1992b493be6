#pragma once

#include <gdk/gdk.h>

namespace platform::gtk {

// What a layered window shows has to be on the screen when presenting returns. GDK defers
// both drawing and the window's shape to its next frame, and after a resize until the
// configure event has arrived, so these go to the X server directly.

// Draws a picture at the window's top-left corner and waits until the server has drawn it.
// GTK draws the same picture whenever it repaints the window.
void DrawNow(GdkWindow* window, cairo_surface_t* picture);

enum class ShapeKind {
    Bounding,  // what is visible
    Input,     // what takes pointer input
};

// Sets one of the window's shapes; null gives back the whole window. GDK is not told: it would
// send the whole region in one request, which a detailed shape overflows.
void ShapeNow(GdkWindow* window, ShapeKind kind, const cairo_region_t* region);

}  // namespace platform::gtk
