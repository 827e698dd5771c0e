#include "numbers/NumericText.h"

#include "errors/RuntimeError.h"
#include "support/NamedParam.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using quorlex::test::PrintTo;

using quorlex::IsNumericText;
using quorlex::ReadNumericText;

struct NumericCase {
    const char *name;
    std::string text;
};

class AcceptedTextTest : public ::testing::TestWithParam<NumericCase> {};
class RejectedTextTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(AcceptedTextTest, IsNumeric) {
    EXPECT_TRUE(IsNumericText(GetParam().text)) << '"' << GetParam().text << '"';
}
TEST_P(RejectedTextTest, IsNotNumericAndReadsNothing) {
    EXPECT_FALSE(IsNumericText(GetParam().text)) << '"' << GetParam().text << '"';
    EXPECT_FALSE(ReadNumericText(GetParam().text).has_value());
}

const auto kName = [](const auto &info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(
    Texts, AcceptedTextTest,
    ::testing::Values(NumericCase{"Integer", "12"}, NumericCase{"BlanksAround", " 12 "},
                      NumericCase{"TabAndNewlineAround", "\t12\r\n"}, NumericCase{"NegativeDecimal", "-3.5"},
                      NumericCase{"Exponent", "1e3"}, NumericCase{"DExponent", "1D3"},
                      NumericCase{"SignedExponent", "1.5E-05"}, NumericCase{"Thousands", "1,000"},
                      NumericCase{"Millions", "12,345,678.5"}, NumericCase{"GroupedExponent", "1,000e3"},
                      NumericCase{"PlusSign", "+1"}, NumericCase{"LeadingPeriod", ".5"},
                      NumericCase{"TrailingPeriod", "5."}, NumericCase{"Zero", "0"},
                      NumericCase{"NegativeZero", "-0"}, NumericCase{"OutOfRange", "1E309"},
                      NumericCase{"Hex", "&H1F"}, NumericCase{"HexLower", "&hff"},
                      NumericCase{"Octal", "&o17"}, NumericCase{"HugeHex", "&HFFFFFFFFFFFFFFFFFF"}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    Texts, RejectedTextTest,
    ::testing::Values(NumericCase{"Empty", ""}, NumericCase{"Blanks", "   "}, NumericCase{"Minus", "-"},
                      NumericCase{"Period", "."}, NumericCase{"Word", "abc"},
                      NumericCase{"TrailingLetter", "12a"}, NumericCase{"DecimalComma", "1,5"},
                      NumericCase{"ShortGroup", "1,00"}, NumericCase{"LeadingComma", ",5"},
                      NumericCase{"LongGroup", "1,0000"}, NumericCase{"LongFirstGroup", "1234,567"},
                      NumericCase{"TrailingComma", "1,"}, NumericCase{"DoubleComma", "1,,000"},
                      NumericCase{"CommaInFraction", "1.000,5"}, NumericCase{"BlankGroup", "1 000"},
                      NumericCase{"BareExponent", "1e"}, NumericCase{"ExponentSign", "1e+"},
                      NumericCase{"DoubleMinus", "--1"}, NumericCase{"PlusMinus", "+-1"},
                      NumericCase{"CPrefixHex", "0x10"}, NumericCase{"NaN", "NaN"},
                      NumericCase{"Infinity", "Infinity"}, NumericCase{"HexWithoutDigits", "&H"},
                      NumericCase{"BadHexDigit", "&HG"}, NumericCase{"BadOctalDigit", "&O8"},
                      NumericCase{"SignedHex", "-&H1"}, NumericCase{"TwoPeriods", "1.2.3"},
                      NumericCase{"ArabicIndicDigits", "\xd9\xa1\xd9\xa2"},
                      NumericCase{"UnicodeMinus", "\xe2\x88\x92"
                                                  "1"},
                      NumericCase{"FullwidthDigits", "\xef\xbc\x91\xef\xbc\x92"},
                      NumericCase{"TabInside", "1\t2"}, NumericCase{"NewlineInside", "1\n2"},
                      NumericCase{"EmbeddedNul", std::string("1\0"
                                                             "2",
                                                             3)},
                      NumericCase{"NonBreakingSpace", "\xc2\xa0"
                                                      "1"}),
    kName);

struct ReadCase {
    const char *name;
    const char *text;
    double value;
};

class ReadNumericTextTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumericTextTest, ConvertsToTheNumberShown) {
    const auto value = ReadNumericText(GetParam().text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumericTextTest,
                         ::testing::Values(ReadCase{"Thousands", "1,000", 1000.0},
                                           ReadCase{"Millions", "12,345,678.5", 12345678.5},
                                           ReadCase{"BlanksAround", " 12 ", 12.0},
                                           ReadCase{"Hex", "&HFF", 255.0},
                                           ReadCase{"GroupedExponent", "-1,000e-3", -1.0},
                                           ReadCase{"Exponent", "1.5E-05", 1.5e-05}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ReadNumericText, AValueBeyondTheDoubleRangeRaisesOverflow) {
    for (const char *text : {"1E309", "-1E309", "&HFFFFFFFFFFFFFFFFFF"}) {
        try {
            ReadNumericText(text);
            FAIL() << text;
        } catch (const quorlex::RuntimeError &error) {
            EXPECT_EQ(error.Number(), 6) << text;
        }
    }
}

} // namespace
