#include "browser/GameAddress.h"

#include <algorithm>
#include <array>

bool IsGameAddress(std::u16string_view address) {
    if (address == u"about:blank") {
        return false;
    }
    constexpr std::array<std::u16string_view, 4> kWords = {u"uid", u"token", u"sid", u"isclient"};
    return std::all_of(kWords.begin(), kWords.end(), [address](std::u16string_view word) {
        const auto at = address.find(word);
        return at != std::u16string_view::npos && at != 0;
    });
}

void ExtractValue(std::u16string_view address, std::u16string_view key, char16_t (&field)[100]) {
    field[0] = u'\0';
    const auto at = address.find(key);
    if (at == std::u16string_view::npos) {
        return;
    }
    std::u16string_view value = address.substr(at + key.size());
    value = value.substr(0, value.find(u'&'));
    std::size_t length = std::min(value.size(), std::size(field) - 1);
    // Cutting between the halves of a surrogate pair would leave half a character.
    if (length < value.size() && length > 0 && value[length - 1] >= 0xD800 &&
        value[length - 1] <= 0xDBFF) {
        --length;
    }
    std::copy_n(value.begin(), length, field);
    field[length] = u'\0';
}
