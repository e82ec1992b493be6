#include "platform/cairo/CairoBitmap.h"

#include <algorithm>
#include <cstring>

namespace platform::cairo {
namespace {

std::uint8_t Unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
    return static_cast<std::uint8_t>(
        std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha));
}

}  // namespace

ui::Color CairoBitmap::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= SurfaceWidth() || y >= SurfaceHeight()) {
        return {};
    }
    cairo_surface_flush(Surface());
    const unsigned char* data = cairo_image_surface_get_data(Surface());
    if (data == nullptr) {
        return {};
    }
    const unsigned char* row =
        data + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(Surface());
    std::uint32_t premultiplied;
    std::memcpy(&premultiplied, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof premultiplied);
    const std::uint32_t a = premultiplied >> 24;
    if (a == 0) {
        return {};
    }
    return ui::Color::FromArgb(
        static_cast<std::uint8_t>(a), Unpremultiply((premultiplied >> 16) & 0xFF, a),
        Unpremultiply((premultiplied >> 8) & 0xFF, a), Unpremultiply(premultiplied & 0xFF, a));
}

}  // namespace platform::cairo

namespace ui {

std::unique_ptr<Bitmap> Bitmap::Create(int width, int height) {
    using namespace platform::cairo;
    // A surface cairo could not make stays in its error state: it reads 0 × 0 and every
    // drawing on it does nothing, which is what an unusable bitmap should do.
    SurfacePtr surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 0), std::max(height, 0)));
    return std::make_unique<CairoBitmap>(std::move(surface));
}

}  // namespace ui
