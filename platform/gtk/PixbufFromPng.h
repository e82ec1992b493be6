#pragma once

#include <cstdint>
#include <span>

#include "platform/gtk/TrayHandles.h"

namespace platform::gtk {

// A decoded PNG, or null when the bytes are not one.
PixbufPtr PixbufFromPng(std::span<const std::uint8_t> png);

}  // namespace platform::gtk
