#pragma once

#include <string>

#include "ui/WinDef.h"

// How a hot-key value reads to the player: "Ctrl + Alt + B"; "无" for none.
std::u16string HotKeyText(WORD hot_key);
// The name of a virtual key; empty for keys without one.
std::u16string VirtualKeyName(BYTE virtual_key);
