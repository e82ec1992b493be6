#include <gtest/gtest.h>

#include "ui/TextEncoding.h"

namespace {

struct Utf16Case {
    std::u16string utf16;
    std::string utf8;
};

TEST(TextEncodingTest, WellFormedTextRoundTrips) {
    const Utf16Case cases[] = {
        {u"", ""},
        {u"game.client", "game.client"},
        {u"你确定要退出微端？", "你确定要退出微端？"},
        {u"ｘｘｙ", "ｘｘｙ"},
        {u"\U0001F409 dragon", "\U0001F409 dragon"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::ToUtf8(c.utf16), c.utf8);
        EXPECT_EQ(ui::FromUtf8(c.utf8), c.utf16);
    }
}

TEST(TextEncodingTest, MalformedUtf16BecomesReplacementCharacters) {
    const Utf16Case cases[] = {
        {std::u16string{u'a', char16_t(0xD800)}, "a\uFFFD"},
        {std::u16string{char16_t(0xDC00), u'b'}, "\uFFFDb"},
        {std::u16string{char16_t(0xD800), char16_t(0xD800), char16_t(0xDC00)}, "\uFFFD\U00010000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::ToUtf8(c.utf16), c.utf8);
    }
}

TEST(TextEncodingTest, MalformedUtf8BecomesReplacementCharacters) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"\xFF", u"\uFFFD"},
        {"a\xC3", u"a\uFFFD"},            // truncated sequence
        {"\xC0\xAF", u"\uFFFD"},          // overlong slash
        {"\xED\xA0\x80", u"\uFFFD"},      // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD"},  // past U+10FFFF
        {"\xE4\xBD"
         "x",
         u"\uFFFDx"},  // a sequence cut short by an ASCII byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::FromUtf8(c.utf8), c.utf16);
    }
}

}  // namespace
