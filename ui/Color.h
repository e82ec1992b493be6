#pragma once

#include <cstdint>

namespace ui {

// A straight (not premultiplied) 32-bit ARGB colour, 0xAARRGGBB.
struct Color {
    std::uint32_t argb = 0;

    static constexpr Color FromArgb(std::uint8_t a, std::uint8_t r, std::uint8_t g,
                                    std::uint8_t b) {
        return {static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
                static_cast<std::uint32_t>(g) << 8 | b};
    }
    constexpr std::uint8_t A() const { return static_cast<std::uint8_t>(argb >> 24); }
    constexpr std::uint8_t R() const { return static_cast<std::uint8_t>(argb >> 16); }
    constexpr std::uint8_t G() const { return static_cast<std::uint8_t>(argb >> 8); }
    constexpr std::uint8_t B() const { return static_cast<std::uint8_t>(argb); }

    friend bool operator==(const Color&, const Color&) = default;
};

}  // namespace ui
