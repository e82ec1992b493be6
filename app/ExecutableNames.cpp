#include "app/ExecutableNames.h"

std::u16string ExecutableNames::FileName(std::u16string_view path) {
    const auto slash = path.find_last_of(u"/\\");
    return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

std::u16string ExecutableNames::BaseName(std::u16string_view path) {
    const std::u16string name = FileName(path);
    return name.substr(0, name.find(u'.'));
}
