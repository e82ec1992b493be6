#include "tests/unit/PngFixture.h"

#include <cairo.h>

#include <cstring>
#include <stdexcept>

namespace test {
namespace {

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

std::uint32_t Premultiplied(ui::Color c, bool opaque) {
    const std::uint32_t a = opaque ? 255 : c.A();
    auto mul = [a](std::uint32_t v) { return (v * a + 127) / 255; };
    return a << 24 | mul(c.R()) << 16 | mul(c.G()) << 8 | mul(c.B());
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<ui::Color>& pixels,
                                    bool opaque) {
    cairo_surface_t* surface = cairo_image_surface_create(
        opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, width, height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = Premultiplied(pixels.at(y * width + x), opaque);
            std::memcpy(data + y * stride + x * 4, &p, sizeof p);
        }
    }
    cairo_surface_mark_dirty(surface);
    std::vector<std::uint8_t> png;
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface, Append, &png);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot encode the PNG fixture");
    }
    return png;
}

}  // namespace test
