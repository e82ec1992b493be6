#pragma once

#include "platform/cairo/CairoSurfaceHolder.h"
#include "ui/Bitmap.h"

namespace platform::cairo {

// An ARGB32 image surface; cairo keeps it premultiplied, GetPixel gives straight colour.
class CairoBitmap final : public ui::Bitmap, public CairoSurfaceHolder {
  public:
    explicit CairoBitmap(SurfacePtr surface) : CairoSurfaceHolder(std::move(surface)) {}

    std::uint32_t GetWidth() const override { return static_cast<std::uint32_t>(SurfaceWidth()); }
    std::uint32_t GetHeight() const override { return static_cast<std::uint32_t>(SurfaceHeight()); }
    ui::Color GetPixel(int x, int y) const override;
};

}  // namespace platform::cairo
