#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "ui/Image.h"

// An icon resource: its PNG for the windowing system and the decoded picture for drawing.
struct IconData {
    std::span<const std::uint8_t> png;
    std::unique_ptr<ui::Image> image;
};
using HICON = const IconData*;
