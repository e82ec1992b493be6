#pragma once

#include <string>
#include <string_view>

// The names the program derives from its executable's path.
struct ExecutableNames {
    // The file name: the path after its last separator.
    static std::u16string FileName(std::u16string_view path);
    // The file name cut at its first ".": "game.client" gives "game".
    static std::u16string BaseName(std::u16string_view path);
};
