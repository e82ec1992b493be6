#pragma once

#include <string_view>

// Uninstall mode is chosen by "/uninst" anywhere in the whole command line, the program's own
// path included; the test is case-sensitive and needs the slash.
bool IsUninstallMode(std::u16string_view command_line);
