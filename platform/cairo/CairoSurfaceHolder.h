#pragma once

#include "platform/cairo/CairoHandles.h"

namespace platform::cairo {

// What the cairo images and bitmaps share: an image surface, or none when decoding failed.
class CairoSurfaceHolder {
  public:
    explicit CairoSurfaceHolder(SurfacePtr surface) : surface_(std::move(surface)) {}
    virtual ~CairoSurfaceHolder() = default;

    // Null for an empty image.
    cairo_surface_t* Surface() const { return surface_.get(); }
    int SurfaceWidth() const { return surface_ ? cairo_image_surface_get_width(Surface()) : 0; }
    int SurfaceHeight() const { return surface_ ? cairo_image_surface_get_height(Surface()) : 0; }

  private:
    SurfacePtr surface_;
};

}  // namespace platform::cairo
