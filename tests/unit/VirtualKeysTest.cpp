#include <gtest/gtest.h>

#include <cstdint>

#include "platform/gtk/VirtualKeys.h"

namespace {

using platform::gtk::IsExtendedKeyval;
using platform::gtk::KeyvalFromVirtualKey;
using platform::gtk::VirtualKeyFromKeyval;

// Keyvals are X keysyms; they are written out as numbers so the expectations do not come
// from the same headers as the code under test.
struct KeyCase {
    const char* name;
    unsigned keyval;
    std::uint8_t virtual_key;
    bool extended;
};

TEST(VirtualKeysTest, UnshiftedKeysMapBothWays) {
    const KeyCase cases[] = {
        {"a", 0x61, 0x41, false},
        {"z", 0x7A, 0x5A, false},
        {"0", 0x30, 0x30, false},
        {"9", 0x39, 0x39, false},
        {"F1", 0xFFBE, 0x70, false},
        {"F12", 0xFFC9, 0x7B, false},
        {"F24", 0xFFD5, 0x87, false},
        {"KP_0", 0xFFB0, 0x60, false},
        {"KP_9", 0xFFB9, 0x69, false},
        {"KP_Multiply", 0xFFAA, 0x6A, false},
        {"KP_Add", 0xFFAB, 0x6B, false},
        {"KP_Subtract", 0xFFAD, 0x6D, false},
        {"KP_Decimal", 0xFFAE, 0x6E, false},
        {"KP_Divide", 0xFFAF, 0x6F, true},
        {"BackSpace", 0xFF08, 0x08, false},
        {"Tab", 0xFF09, 0x09, false},
        {"Return", 0xFF0D, 0x0D, false},
        {"Escape", 0xFF1B, 0x1B, false},
        {"space", 0x20, 0x20, false},
        {"Page_Up", 0xFF55, 0x21, true},
        {"Page_Down", 0xFF56, 0x22, true},
        {"End", 0xFF57, 0x23, true},
        {"Home", 0xFF50, 0x24, true},
        {"Left", 0xFF51, 0x25, true},
        {"Up", 0xFF52, 0x26, true},
        {"Right", 0xFF53, 0x27, true},
        {"Down", 0xFF54, 0x28, true},
        {"Insert", 0xFF63, 0x2D, true},
        {"Delete", 0xFFFF, 0x2E, true},
        {"Pause", 0xFF13, 0x13, false},
        {"Print", 0xFF61, 0x2C, true},
        {"Caps_Lock", 0xFFE5, 0x14, false},
        {"Num_Lock", 0xFF7F, 0x90, true},
        {"Scroll_Lock", 0xFF14, 0x91, false},
        {"Shift_L", 0xFFE1, 0x10, false},
        {"Control_L", 0xFFE3, 0x11, false},
        {"Alt_L", 0xFFE9, 0x12, false},
        {"Super_L", 0xFFEB, 0x5B, true},
        {"Super_R", 0xFFEC, 0x5C, true},
        {"Menu", 0xFF67, 0x5D, true},
        {"semicolon", 0x3B, 0xBA, false},
        {"equal", 0x3D, 0xBB, false},
        {"comma", 0x2C, 0xBC, false},
        {"minus", 0x2D, 0xBD, false},
        {"period", 0x2E, 0xBE, false},
        {"slash", 0x2F, 0xBF, false},
        {"grave", 0x60, 0xC0, false},
        {"bracketleft", 0x5B, 0xDB, false},
        {"backslash", 0x5C, 0xDC, false},
        {"bracketright", 0x5D, 0xDD, false},
        {"apostrophe", 0x27, 0xDE, false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VirtualKeyFromKeyval(c.keyval), c.virtual_key);
        EXPECT_EQ(KeyvalFromVirtualKey(c.virtual_key), c.keyval);
        EXPECT_EQ(IsExtendedKeyval(c.keyval), c.extended);
    }
}

// Keyvals that name a key another keyval is the canonical one for: what the key types with
// Shift or Num Lock, and the other side's modifier.
TEST(VirtualKeysTest, OtherForms) {
    const KeyCase cases[] = {
        {"A", 0x41, 0x41, false},
        {"Z", 0x5A, 0x5A, false},
        {"exclam", 0x21, 0x31, false},
        {"at", 0x40, 0x32, false},
        {"parenright", 0x29, 0x30, false},
        {"colon", 0x3A, 0xBA, false},
        {"plus", 0x2B, 0xBB, false},
        {"less", 0x3C, 0xBC, false},
        {"underscore", 0x5F, 0xBD, false},
        {"greater", 0x3E, 0xBE, false},
        {"question", 0x3F, 0xBF, false},
        {"asciitilde", 0x7E, 0xC0, false},
        {"braceleft", 0x7B, 0xDB, false},
        {"bar", 0x7C, 0xDC, false},
        {"braceright", 0x7D, 0xDD, false},
        {"quotedbl", 0x22, 0xDE, false},
        {"ISO_Left_Tab", 0xFE20, 0x09, false},
        {"KP_Enter", 0xFF8D, 0x0D, true},
        {"KP_Home", 0xFF95, 0x24, false},
        {"KP_Left", 0xFF96, 0x25, false},
        {"KP_Delete", 0xFF9F, 0x2E, false},
        {"Shift_R", 0xFFE2, 0x10, false},
        {"Control_R", 0xFFE4, 0x11, true},
        {"Alt_R", 0xFFEA, 0x12, true},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VirtualKeyFromKeyval(c.keyval), c.virtual_key);
        EXPECT_EQ(IsExtendedKeyval(c.keyval), c.extended);
    }
}

TEST(VirtualKeysTest, SidedModifierCodesNameTheirKey) {
    const struct {
        std::uint8_t virtual_key;
        unsigned keyval;
    } cases[] = {
        {0xA0, 0xFFE1}, {0xA1, 0xFFE2}, {0xA2, 0xFFE3},
        {0xA3, 0xFFE4}, {0xA4, 0xFFE9}, {0xA5, 0xFFEA},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.virtual_key));
        EXPECT_EQ(KeyvalFromVirtualKey(c.virtual_key), c.keyval);
    }
}

TEST(VirtualKeysTest, KeysWithoutCounterpartMapToZero) {
    // 0, a volume key, e acute, and a keyval past every defined one.
    for (const unsigned keyval : {0x0u, 0x1008FF13u, 0xE9u, 0xFFFFFFu}) {
        SCOPED_TRACE(keyval);
        EXPECT_EQ(VirtualKeyFromKeyval(keyval), 0);
        EXPECT_FALSE(IsExtendedKeyval(keyval));
    }
    // Unassigned and reserved codes.
    for (const std::uint8_t virtual_key : {0x00, 0x07, 0x0A, 0x3A, 0x40, 0x88, 0xFF}) {
        SCOPED_TRACE(static_cast<int>(virtual_key));
        EXPECT_EQ(KeyvalFromVirtualKey(virtual_key), 0u);
    }
}

// Whatever a stored code turns into must read back as the same code, so a hot key survives
// being saved and loaded. Only the sided modifier codes come back side-neutral.
TEST(VirtualKeysTest, EveryKnownVirtualKeyRoundTrips) {
    for (int code = 1; code <= 0xFF; ++code) {
        const auto virtual_key = static_cast<std::uint8_t>(code);
        const unsigned keyval = KeyvalFromVirtualKey(virtual_key);
        if (keyval == 0 || (code >= 0xA0 && code <= 0xA5)) {
            continue;
        }
        SCOPED_TRACE(code);
        EXPECT_EQ(VirtualKeyFromKeyval(keyval), virtual_key);
    }
}

}  // namespace
