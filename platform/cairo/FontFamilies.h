#pragma once

#include <string>
#include <string_view>

namespace platform::cairo {

// A pango family list for a requested family: the name itself first, then faces of the same
// kind that a Linux desktop has, so text never falls back to an unrelated face.
std::string FontFamilies(std::u16string_view family);

}  // namespace platform::cairo
