#include "platform/cairo/CairoImage.h"

#include <cstring>

namespace platform::cairo {
namespace {

struct ReadCursor {
    std::span<const std::uint8_t> rest;
};

cairo_status_t ReadPngBytes(void* closure, unsigned char* data, unsigned int length) {
    auto* cursor = static_cast<ReadCursor*>(closure);
    if (length > cursor->rest.size()) {
        return CAIRO_STATUS_READ_ERROR;
    }
    std::memcpy(data, cursor->rest.data(), length);
    cursor->rest = cursor->rest.subspan(length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace
}  // namespace platform::cairo

namespace ui {

std::unique_ptr<Image> Image::FromPng(std::span<const std::uint8_t> png) {
    using namespace platform::cairo;
    ReadCursor cursor{png};
    SurfacePtr surface(cairo_image_surface_create_from_png_stream(ReadPngBytes, &cursor));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        surface.reset();
    }
    return std::make_unique<CairoImage>(std::move(surface));
}

}  // namespace ui
