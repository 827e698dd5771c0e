#include "cli/Utf16Text.h"

#include <gtest/gtest.h>

namespace {

using quorlex::cli::Utf8FromUtf16;

struct Utf16Case {
    const char *name;
    std::u16string utf16;
    std::string utf8;
};

class Utf16TextTest : public testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16TextTest, GivesTheSameCharactersInUtf8) {
    EXPECT_EQ(Utf8FromUtf16(GetParam().utf16), GetParam().utf8);
}

// Each length of UTF-8 sequence at its edges, and the broken surrogates Windows allows in a file name.
INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16TextTest,
    testing::Values(Utf16Case{"Empty", u"", ""}, Utf16Case{"Ascii", u"ton/ac", "ton/ac"},
                    Utf16Case{"TwoBytes", u"\u00B0F m\u00B2 \u07FF",
                              "\xC2\xB0"
                              "F m\xC2\xB2 \xDF\xBF"},
                    Utf16Case{"ThreeBytes", u"\u0800\u65E5\uFFFF", "\xE0\xA0\x80\xE6\x97\xA5\xEF\xBF\xBF"},
                    Utf16Case{"SurrogatePair", u"\U0001F525.csv", "\xF0\x9F\x94\xA5.csv"},
                    Utf16Case{"LastCodePoint", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
                    Utf16Case{"LoneHigh", std::u16string{u'a', char16_t(0xD83D), u'b'},
                              "a\xEF\xBF\xBD"
                              "b"},
                    Utf16Case{"LoneLow", std::u16string{char16_t(0xDC25), u'x'}, "\xEF\xBF\xBDx"},
                    Utf16Case{"HighAtEnd", std::u16string{u'x', char16_t(0xD800)}, "x\xEF\xBF\xBD"},
                    Utf16Case{"Swapped", std::u16string{char16_t(0xDC00), char16_t(0xD800)},
                              "\xEF\xBF\xBD\xEF\xBF\xBD"}),
    [](const testing::TestParamInfo<Utf16Case> &info) { return std::string(info.param.name); });

} // namespace
