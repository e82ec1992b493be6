#pragma once

#include <cstdint>

namespace platform::gtk {

// GDK key values and Windows virtual-key codes, both ways, so a hot-key value stored by any
// build of the program names the same key. Keys without a counterpart map to 0.
std::uint8_t VirtualKeyFromKeyval(unsigned keyval);
unsigned KeyvalFromVirtualKey(std::uint8_t virtual_key);
// Whether the key lies on the keyboard's extended part (arrows, Insert/Delete block, ...),
// as HOTKEYF_EXT marks it.
bool IsExtendedKeyval(unsigned keyval);

}  // namespace platform::gtk
