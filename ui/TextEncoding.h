#pragma once

#include <string>
#include <string_view>

namespace ui {

// The program keeps text as UTF-16; the platform speaks UTF-8. Malformed input becomes
// U+FFFD rather than failing, so a stray half of a surrogate pair never loses a whole string.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace ui
