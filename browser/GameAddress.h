#pragma once

#include <string_view>

// A game address is one the launcher page must not load itself: the game window opens it. It
// holds "uid", "token", "sid" and "isclient" as plain, case-sensitive substrings, none of
// them at the very start; "about:blank" never is one.
bool IsGameAddress(std::u16string_view address);

// The value after the first occurrence of key (which ends in "="), up to the next "&" or the
// end, copied unchanged into a 100-unit field and NUL-terminated. The field stays empty when
// the key is missing; a longer value is cut to what fits, never in the middle of a character.
void ExtractValue(std::u16string_view address, std::u16string_view key, char16_t (&field)[100]);
