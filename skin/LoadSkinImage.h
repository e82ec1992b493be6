#pragma once

#include <cstdint>
#include <memory>

#include "ui/Image.h"

// A new picture decoded from the PNG resource with this number, owned by the caller. A number
// with no PNG behind it gives an image of 0 × 0 that draws nothing; it is never an error.
std::unique_ptr<ui::Image> LoadSkinImage(std::uint16_t number);
