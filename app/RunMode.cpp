#include "app/RunMode.h"

bool IsUninstallMode(std::u16string_view command_line) {
    return command_line.find(u"/uninst") != std::u16string_view::npos;
}
