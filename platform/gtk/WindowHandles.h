#pragma once

#include <gtk/gtk.h>

#include <memory>

#include "platform/gtk/TrayHandles.h"

namespace platform::gtk {

// Destroying a toplevel drops the reference GTK's window list holds; that is its owner.
struct WidgetDestroy {
    void operator()(GtkWidget* widget) const { gtk_widget_destroy(widget); }
};
struct RegionDestroy {
    void operator()(cairo_region_t* region) const { cairo_region_destroy(region); }
};

using WidgetPtr = std::unique_ptr<GtkWidget, WidgetDestroy>;
using RegionPtr = std::unique_ptr<cairo_region_t, RegionDestroy>;
using CursorPtr = std::unique_ptr<GdkCursor, GObjectUnref>;

}  // namespace platform::gtk
