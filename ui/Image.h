#pragma once

#include <cstdint>
#include <memory>
#include <span>

namespace ui {

// A decoded picture with 8 bits per channel and alpha. It never changes after decoding.
class Image {
  public:
    virtual ~Image() = default;

    // 0 when decoding failed; such an image draws nothing.
    virtual std::uint32_t GetWidth() const = 0;
    virtual std::uint32_t GetHeight() const = 0;

    // Decodes PNG bytes: colour type 6 keeps its alpha, colour type 2 is opaque. Bytes that
    // are not a PNG give an empty image rather than an error. The bytes are not kept.
    static std::unique_ptr<Image> FromPng(std::span<const std::uint8_t> png);

  protected:
    Image() = default;
};

}  // namespace ui
