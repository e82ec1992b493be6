#pragma once

#include <cstdint>
#include <vector>

#include "ui/Color.h"

namespace test {

// Encodes straight-colour pixels (row by row) as a PNG: colour type 6 with alpha, or colour
// type 2 when opaque is set (alpha is then ignored).
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<ui::Color>& pixels,
                                    bool opaque = false);

}  // namespace test
