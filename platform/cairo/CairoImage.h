#pragma once

#include "platform/cairo/CairoSurfaceHolder.h"
#include "ui/Image.h"

namespace platform::cairo {

class CairoImage final : public ui::Image, public CairoSurfaceHolder {
  public:
    explicit CairoImage(SurfacePtr surface) : CairoSurfaceHolder(std::move(surface)) {}

    std::uint32_t GetWidth() const override { return static_cast<std::uint32_t>(SurfaceWidth()); }
    std::uint32_t GetHeight() const override { return static_cast<std::uint32_t>(SurfaceHeight()); }
};

}  // namespace platform::cairo
