#include "platform/gtk/VirtualKeys.h"

#include <gdk/gdk.h>

#include <array>
#include <initializer_list>
#include <span>

namespace platform::gtk {
namespace {

struct Key {
    unsigned keyval;
    std::uint8_t virtual_key;
    bool extended = false;
};

// Keys outside the contiguous letter, digit and function-key ranges. Looking up a virtual key
// takes its first entry, so each key's unshifted keyval comes before its shifted forms.
constexpr std::array kKeys{
    Key{GDK_KEY_BackSpace, 0x08},
    Key{GDK_KEY_Tab, 0x09},
    Key{GDK_KEY_ISO_Left_Tab, 0x09},
    Key{GDK_KEY_Return, 0x0D},
    Key{GDK_KEY_KP_Enter, 0x0D, true},
    Key{GDK_KEY_Escape, 0x1B},
    Key{GDK_KEY_space, 0x20},
    Key{GDK_KEY_KP_Space, 0x20},
    Key{GDK_KEY_Pause, 0x13},
    Key{GDK_KEY_Break, 0x13},
    Key{GDK_KEY_Caps_Lock, 0x14},
    Key{GDK_KEY_Num_Lock, 0x90, true},
    Key{GDK_KEY_Scroll_Lock, 0x91},
    Key{GDK_KEY_Print, 0x2C, true},

    // The navigation block is extended; the same keys on the keypad (Num Lock off) are not.
    Key{GDK_KEY_Page_Up, 0x21, true},
    Key{GDK_KEY_Page_Down, 0x22, true},
    Key{GDK_KEY_End, 0x23, true},
    Key{GDK_KEY_Home, 0x24, true},
    Key{GDK_KEY_Left, 0x25, true},
    Key{GDK_KEY_Up, 0x26, true},
    Key{GDK_KEY_Right, 0x27, true},
    Key{GDK_KEY_Down, 0x28, true},
    Key{GDK_KEY_Insert, 0x2D, true},
    Key{GDK_KEY_Delete, 0x2E, true},
    Key{GDK_KEY_KP_Page_Up, 0x21},
    Key{GDK_KEY_KP_Page_Down, 0x22},
    Key{GDK_KEY_KP_End, 0x23},
    Key{GDK_KEY_KP_Home, 0x24},
    Key{GDK_KEY_KP_Left, 0x25},
    Key{GDK_KEY_KP_Up, 0x26},
    Key{GDK_KEY_KP_Right, 0x27},
    Key{GDK_KEY_KP_Down, 0x28},
    Key{GDK_KEY_KP_Insert, 0x2D},
    Key{GDK_KEY_KP_Delete, 0x2E},
    Key{GDK_KEY_KP_Begin, 0x0C},

    Key{GDK_KEY_KP_Multiply, 0x6A},
    Key{GDK_KEY_KP_Add, 0x6B},
    Key{GDK_KEY_KP_Separator, 0x6C},
    Key{GDK_KEY_KP_Subtract, 0x6D},
    Key{GDK_KEY_KP_Decimal, 0x6E},
    Key{GDK_KEY_KP_Divide, 0x6F, true},

    // Key messages carry the side-neutral modifier codes, as on Windows; the right-hand
    // Control and Alt are told apart by the extended flag.
    Key{GDK_KEY_Shift_L, 0x10},
    Key{GDK_KEY_Shift_R, 0x10},
    Key{GDK_KEY_Control_L, 0x11},
    Key{GDK_KEY_Control_R, 0x11, true},
    Key{GDK_KEY_Alt_L, 0x12},
    Key{GDK_KEY_Alt_R, 0x12, true},
    Key{GDK_KEY_ISO_Level3_Shift, 0x12, true},
    Key{GDK_KEY_Super_L, 0x5B, true},
    Key{GDK_KEY_Super_R, 0x5C, true},
    Key{GDK_KEY_Menu, 0x5D, true},

    // The US layout's punctuation keys and, after them, what they type with Shift.
    Key{GDK_KEY_semicolon, 0xBA},
    Key{GDK_KEY_equal, 0xBB},
    Key{GDK_KEY_comma, 0xBC},
    Key{GDK_KEY_minus, 0xBD},
    Key{GDK_KEY_period, 0xBE},
    Key{GDK_KEY_slash, 0xBF},
    Key{GDK_KEY_grave, 0xC0},
    Key{GDK_KEY_bracketleft, 0xDB},
    Key{GDK_KEY_backslash, 0xDC},
    Key{GDK_KEY_bracketright, 0xDD},
    Key{GDK_KEY_apostrophe, 0xDE},
    Key{GDK_KEY_colon, 0xBA},
    Key{GDK_KEY_plus, 0xBB},
    Key{GDK_KEY_less, 0xBC},
    Key{GDK_KEY_underscore, 0xBD},
    Key{GDK_KEY_greater, 0xBE},
    Key{GDK_KEY_question, 0xBF},
    Key{GDK_KEY_asciitilde, 0xC0},
    Key{GDK_KEY_braceleft, 0xDB},
    Key{GDK_KEY_bar, 0xDC},
    Key{GDK_KEY_braceright, 0xDD},
    Key{GDK_KEY_quotedbl, 0xDE},

    // Shifted digits on the US layout.
    Key{GDK_KEY_parenright, '0'},
    Key{GDK_KEY_exclam, '1'},
    Key{GDK_KEY_at, '2'},
    Key{GDK_KEY_numbersign, '3'},
    Key{GDK_KEY_dollar, '4'},
    Key{GDK_KEY_percent, '5'},
    Key{GDK_KEY_asciicircum, '6'},
    Key{GDK_KEY_ampersand, '7'},
    Key{GDK_KEY_asterisk, '8'},
    Key{GDK_KEY_parenleft, '9'},
};

// Side-specific modifier codes only name a key; no key message carries them.
constexpr std::array kSidedModifiers{
    Key{GDK_KEY_Shift_L, 0xA0},   Key{GDK_KEY_Shift_R, 0xA1}, Key{GDK_KEY_Control_L, 0xA2},
    Key{GDK_KEY_Control_R, 0xA3}, Key{GDK_KEY_Alt_L, 0xA4},   Key{GDK_KEY_Alt_R, 0xA5},
};

// A run of consecutive keyvals that maps onto consecutive virtual keys.
struct Range {
    unsigned first_keyval;
    unsigned last_keyval;
    std::uint8_t first_virtual_key;
};

// Lowercase letters come first so KeyvalFromVirtualKey gives them.
constexpr std::array kRanges{
    Range{GDK_KEY_a, GDK_KEY_z, 'A'},     Range{GDK_KEY_A, GDK_KEY_Z, 'A'},
    Range{GDK_KEY_0, GDK_KEY_9, '0'},     Range{GDK_KEY_KP_0, GDK_KEY_KP_9, 0x60},
    Range{GDK_KEY_F1, GDK_KEY_F24, 0x70},
};

const Key* FindKeyval(unsigned keyval) {
    for (const Key& key : kKeys) {
        if (key.keyval == keyval) {
            return &key;
        }
    }
    return nullptr;
}

}  // namespace

std::uint8_t VirtualKeyFromKeyval(unsigned keyval) {
    for (const Range& range : kRanges) {
        if (keyval >= range.first_keyval && keyval <= range.last_keyval) {
            return static_cast<std::uint8_t>(range.first_virtual_key +
                                             (keyval - range.first_keyval));
        }
    }
    const Key* key = FindKeyval(keyval);
    return key != nullptr ? key->virtual_key : 0;
}

unsigned KeyvalFromVirtualKey(std::uint8_t virtual_key) {
    for (const Range& range : kRanges) {
        const unsigned count = range.last_keyval - range.first_keyval + 1;
        if (virtual_key >= range.first_virtual_key &&
            virtual_key < range.first_virtual_key + count) {
            return range.first_keyval + (virtual_key - range.first_virtual_key);
        }
    }
    for (const auto& table : {std::span<const Key>(kKeys), std::span<const Key>(kSidedModifiers)}) {
        for (const Key& key : table) {
            if (key.virtual_key == virtual_key) {
                return key.keyval;
            }
        }
    }
    return 0;
}

bool IsExtendedKeyval(unsigned keyval) {
    const Key* key = FindKeyval(keyval);
    return key != nullptr && key->extended;
}

}  // namespace platform::gtk
