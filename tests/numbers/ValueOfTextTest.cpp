#include "numbers/ValueOfText.h"

#include "errors/RuntimeError.h"
#include "support/NamedParam.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using quorlex::test::PrintTo;

using quorlex::RuntimeError;
using quorlex::ValueOfText;

struct ValueCase {
    const char *name;
    std::string text;
    double expected;
};

class ValueOfTextTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueOfTextTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(ValueOfText(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValueOfTextTest,
    ::testing::Values(
        ValueCase{"Plain", "0.03527", 0.03527}, ValueCase{"BlanksAround", " 0.03527 ", 0.03527},
        ValueCase{"BlanksEverywhere", "  1 2 .\t5\n", 12.5},
        ValueCase{"Negative", "-17.22222222", -17.22222222}, ValueCase{"PlusSign", "+4", 4.0},
        ValueCase{"Exponent", "1.102E-06", 1.102e-06}, ValueCase{"LowerExponent", "4.97097e-05", 4.97097e-05},
        ValueCase{"DExponent", "1D3", 1000.0}, ValueCase{"LowerDExponent", "2d-2", 0.02},
        ValueCase{"PositiveExponent", "1E+15", 1e15},
        ValueCase{"TrailingZerosExponent", "1.000E-06", 0.000001},
        ValueCase{"HalfMilli", "5.000E-04", 0.0005}, ValueCase{"LargestFactor", "25899983071", 25899983071.0},
        ValueCase{"StopsAtLetters", "12abc", 12.0}, ValueCase{"CommaEndsNumber", "1,000", 1.0},
        ValueCase{"SecondPeriodEnds", "1.2.3", 1.2}, ValueCase{"LeadingPeriod", ".5", 0.5},
        ValueCase{"TrailingPeriod", "5.", 5.0}, ValueCase{"Empty", "", 0.0},
        ValueCase{"OnlyBlanks", " \t\n ", 0.0}, ValueCase{"Word", "abc", 0.0},
        ValueCase{"SignOnly", "-", 0.0}, ValueCase{"PeriodOnly", ".", 0.0},
        ValueCase{"DoubleSign", "--1", 0.0}, ValueCase{"PlusMinus", "+-1", 0.0},
        ValueCase{"ExponentWithoutDigits", "1e", 1.0}, ValueCase{"ExponentSignOnly", "1e+", 1.0},
        ValueCase{"ExponentAlone", "e5", 0.0}, ValueCase{"HexPrefix", "0x10", 0.0},
        ValueCase{"Hex", "&H1F", 31.0}, ValueCase{"HexLower", "&hff", 255.0},
        ValueCase{"HexSixteenBitsIsPositive", "&HFFFF", 65535.0},
        ValueCase{"HexThirtyTwoBitsIsPositive", "&HFFFFFFFF", 4294967295.0},
        ValueCase{"HexSixtyFourBits", "&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        ValueCase{"Octal", "&O17", 15.0}, ValueCase{"OctalStopsAtEight", "&O78", 7.0},
        ValueCase{"HexWithoutDigits", "&H", 0.0}, ValueCase{"AmpersandAlone", "&12", 0.0},
        ValueCase{"HexWithBlanks", " & H 1 0", 16.0}, ValueCase{"CarriageReturnStops", "1\r2", 1.0},
        ValueCase{"BlankInsideExponent", "1e 5", 100000.0},
        ValueCase{"BlankBeforeExponent", "1 E-1 0", 1e-10}, ValueCase{"BlankBeforeDExponent", "2 D2", 200.0},
        ValueCase{"BlankBeforeFraction", "3 .25", 3.25}, ValueCase{"SignAfterNumberEnds", "5 -2", 5.0},
        ValueCase{"Underflow", "1E-400", 0.0}, ValueCase{"NegativeUnderflow", "-1E-400", -0.0},
        ValueCase{"Subnormal", "4.9E-324", 4.9e-324},
        ValueCase{"LargestDouble", "1.7976931348623157E308", 1.7976931348623157e308},
        ValueCase{"HugeNegativeExponent", "1E-99999999999999999999", 0.0},
        ValueCase{"ZeroWithHugeExponent", "0E99999", 0.0}, ValueCase{"NaNWord", "NaN", 0.0},
        ValueCase{"InfinityWord", "Infinity", 0.0},
        ValueCase{"ManyDigitsBeforeSmallExponent", std::string(400, '1') + "E-399", 1.111111111111111111},
        ValueCase{"EmbeddedNul",
                  std::string("7\0"
                              "5",
                              3),
                  7.0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ValueOfText, NegativeUnderflowKeepsItsSign) {
    EXPECT_TRUE(std::signbit(ValueOfText("-1E-400")));
}

TEST(ValueOfText, TenThousandDigitsReadAsTheirValue) {
    const std::string digits = std::string("1").append(300, '0').append(".").append(9700, '0');
    EXPECT_EQ(ValueOfText(digits), 1e300);
}

class ValueOfTextOverflowTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ValueOfTextOverflowTest, RaisesOverflow) {
    try {
        ValueOfText(GetParam());
        FAIL() << "no error for " << GetParam();
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.Number(), 6);
        EXPECT_EQ(error.Description(), "Overflow");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ValueOfTextOverflowTest,
                         ::testing::Values("1E309", "-1E309", "1.8E308", "99999999999E300",
                                           "1E99999999999999", std::string(400, '9'), "&HFFFFFFFFFFFFFFFFF",
                                           "&O7777777777777777777777", "&H10000000000000000"));

} // namespace

namespace {

// The factor-text shortcut must agree with the general reading for every piece it accepts.
TEST(ReadNumberBeforeComma, AgreesWithValueOfTextWheneverItAccepts) {
    const char *pieces[] = {
        " 0.03527 ", "1.102E-06", " -17.22222222", "25899983071 ", "1e 5", "1 2", "12abc", "",   "  ",
        "+4",        "&H10",      "1D3",           ".5",           "-.5",  "5.",  "1.2.3", "1e", "-",
        "\t7\n",     "1E999",     "1E-400",        "0x10",         "inf",  "nan", "3 .25"};
    int accepted = 0;
    for (const char *piece : pieces) {
        const std::string text = std::string(piece) + ", 9";
        double value = -1;
        const auto comma = quorlex::ReadNumberBeforeComma(text, value);
        if (comma == std::string::npos) {
            continue;
        }
        ++accepted;
        EXPECT_EQ(comma, std::string(piece).size()) << piece;
        EXPECT_EQ(value, ValueOfText(piece)) << piece;
    }
    EXPECT_GE(accepted, 8);
}

} // namespace
