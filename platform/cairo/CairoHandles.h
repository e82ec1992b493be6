#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

namespace platform::cairo {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct FontOptionsDeleter {
    void operator()(cairo_font_options_t* o) const { cairo_font_options_destroy(o); }
};
struct FontDescriptionDeleter {
    void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};
struct GObjectDeleter {
    void operator()(void* o) const { g_object_unref(o); }
};

using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;
using FontOptionsPtr = std::unique_ptr<cairo_font_options_t, FontOptionsDeleter>;
using FontDescriptionPtr = std::unique_ptr<PangoFontDescription, FontDescriptionDeleter>;
using LayoutPtr = std::unique_ptr<PangoLayout, GObjectDeleter>;

}  // namespace platform::cairo
