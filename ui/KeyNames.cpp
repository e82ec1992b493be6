#include "ui/KeyNames.h"

#include <array>
#include <string_view>

namespace {

struct Named {
    BYTE key;
    std::u16string_view name;
};

constexpr std::array kNames{
    Named{0x08, u"Backspace"}, Named{0x09, u"Tab"},         Named{0x0D, u"Enter"},
    Named{0x13, u"Pause"},     Named{0x14, u"Caps Lock"},   Named{0x1B, u"Esc"},
    Named{0x20, u"Space"},     Named{0x21, u"Page Up"},     Named{0x22, u"Page Down"},
    Named{0x23, u"End"},       Named{0x24, u"Home"},        Named{0x25, u"Left"},
    Named{0x26, u"Up"},        Named{0x27, u"Right"},       Named{0x28, u"Down"},
    Named{0x2C, u"Print"},     Named{0x2D, u"Insert"},      Named{0x2E, u"Delete"},
    Named{0x5D, u"Menu"},      Named{0x6A, u"Num *"},       Named{0x6B, u"Num +"},
    Named{0x6D, u"Num -"},     Named{0x6E, u"Num ."},       Named{0x6F, u"Num /"},
    Named{0x90, u"Num Lock"},  Named{0x91, u"Scroll Lock"}, Named{0xBA, u";"},
    Named{0xBB, u"="},         Named{0xBC, u","},           Named{0xBD, u"-"},
    Named{0xBE, u"."},         Named{0xBF, u"/"},           Named{0xC0, u"`"},
    Named{0xDB, u"["},         Named{0xDC, u"\\"},          Named{0xDD, u"]"},
    Named{0xDE, u"'"},
};

}  // namespace

std::u16string VirtualKeyName(BYTE key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        return std::u16string(1, static_cast<char16_t>(key));
    }
    if (key >= 0x60 && key <= 0x69) {
        return u"Num " + std::u16string(1, static_cast<char16_t>(u'0' + key - 0x60));
    }
    if (key >= 0x70 && key <= 0x87) {
        const int n = key - 0x70 + 1;
        std::u16string name = u"F";
        if (n >= 10) {
            name += static_cast<char16_t>(u'0' + n / 10);
        }
        name += static_cast<char16_t>(u'0' + n % 10);
        return name;
    }
    for (const Named& named : kNames) {
        if (named.key == key) {
            return std::u16string(named.name);
        }
    }
    return {};
}

std::u16string HotKeyText(WORD hot_key) {
    const BYTE key = LOBYTE(hot_key);
    const BYTE flags = HIBYTE(hot_key);
    if (key == 0 && flags == 0) {
        return u"无";
    }
    std::u16string text;
    if ((flags & HOTKEYF_CONTROL) != 0) {
        text += u"Ctrl + ";
    }
    if ((flags & HOTKEYF_SHIFT) != 0) {
        text += u"Shift + ";
    }
    if ((flags & HOTKEYF_ALT) != 0) {
        text += u"Alt + ";
    }
    return text + VirtualKeyName(key);
}
