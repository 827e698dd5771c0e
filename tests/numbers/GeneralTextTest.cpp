#include "numbers/GeneralText.h"

#include "errors/RuntimeError.h"
#include "numbers/ValueOfText.h"
#include "support/NamedParam.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

using quorlex::test::PrintTo;

using quorlex::GeneralText;

struct GeneralCase {
    const char *name;
    double value;
    const char *text;
};

class GeneralTextTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralTextTest, WritesFifteenSignificantDigits) {
    EXPECT_EQ(GeneralText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralTextTest,
    ::testing::Values(
        GeneralCase{"Zero", 0.0, "0"}, GeneralCase{"NegativeZero", -0.0, "0"},
        GeneralCase{"GramsToOunces", 0.03527, "0.03527"}, GeneralCase{"PoundsToGrams", 453.6, "453.6"},
        GeneralCase{"Integer", 2.0, "2"}, GeneralCase{"Third", 1.0 / 3.0, "0.333333333333333"},
        GeneralCase{"NegativeCelsius", (0.0 - 32) * (5.0 / 9.0), "-17.7777777777778"},
        GeneralCase{"SmallScientific", 1.5e-05, "1.5E-05"}, GeneralCase{"OneE15", 1e15, "1E+15"},
        GeneralCase{"LargestFixed", 999999999999999.0, "999999999999999"},
        GeneralCase{"RoundsUpToScientific", 999999999999999.9, "1E+15"},
        GeneralCase{"SmallestFixed", 0.0001, "0.0001"},
        GeneralCase{"RoundsUpToFixed", 0.000099999999999999999, "0.0001"},
        GeneralCase{"BelowFixed", 0.00001, "1E-05"},
        GeneralCase{"SquareCentimetersToSquareMiles", 3.86113e-11, "3.86113E-11"},
        GeneralCase{"TenToMinusTen", 1e-10, "1E-10"}, GeneralCase{"LargeResult", 2.5e20, "2.5E+20"},
        GeneralCase{"Rounded", 100.00000000000001, "100"}, GeneralCase{"TenthPlusFifth", 0.1 + 0.2, "0.3"},
        GeneralCase{"ManyDigits", 123456789012345678.0, "1.23456789012346E+17"},
        GeneralCase{"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        GeneralCase{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        GeneralCase{"ThreeDigitExponent", 1e-100, "1E-100"}, GeneralCase{"Negative", -2.5, "-2.5"},
        GeneralCase{"NegativeScientific", -1.5e-7, "-1.5E-07"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GeneralText, NonFiniteValuesRaiseOverflowInsteadOfBeingShown) {
    for (const double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(GeneralText(value), quorlex::RuntimeError);
    }
}

// The double nearest to x's 15-significant-digit decimal form.
double RoundedTo15Digits(double x) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
    double rounded = 0;
    std::from_chars(buffer, end, rounded);
    return rounded;
}

TEST(GeneralText, ReadBackEqualsTheValueRoundedToFifteenDigits) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 305);
    for (int i = 0; i < 200000; ++i) {
        double x = 0;
        if (i % 2 == 0) {
            x = std::bit_cast<double>(random());
            if (!std::isfinite(x)) {
                continue;
            }
        } else {
            x = mantissa(random) * std::pow(10.0, exponent(random));
        }
        const std::string text = GeneralText(x);
        ASSERT_EQ(quorlex::ValueOfText(text), RoundedTo15Digits(x)) << text;
        ASSERT_EQ(text.find_first_of("e,"), std::string::npos) << text;
    }
}

} // namespace
