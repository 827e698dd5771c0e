// Exact numbers: rounding to the nearest double checked against the C library's correctly rounded
// strtod over seeded random decimals, exact decimal texts, and the arithmetic that factors rest on.
#include "definitions/ExactRatio.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

using quorlex::definitions::BigNatural;
using quorlex::definitions::ExactRatio;

// Random decimals of 1 to 40 digits with the point anywhere: glibc's strtod rounds them correctly, ties to
// even, which is the rounding every exact factor gets.
TEST(ExactRatio, RoundsEveryDecimalAsStrtodDoes) {
    std::mt19937_64 random(20261210);
    for (int i = 0; i < 20000; ++i) {
        const int length = 1 + static_cast<int>(random() % 40);
        std::string digits;
        for (int d = 0; d < length; ++d) {
            digits += static_cast<char>('0' + random() % 10);
        }
        std::string text = digits;
        const auto point = static_cast<std::size_t>(random() % (digits.size() + 1));
        text.insert(point, 1, '.');
        if (text == ".") {
            continue;
        }
        const auto exact = ExactRatio::FromDecimal(text);
        ASSERT_TRUE(exact.has_value()) << text;
        EXPECT_EQ(exact->Nearest(), std::strtod(text.c_str(), nullptr)) << text;
    }
}

// Halfway cases and their neighbours: 2^53 + 1 lies halfway between two doubles and rounds to even.
TEST(ExactRatio, BreaksTiesToEven) {
    const std::uint64_t twoTo53 = std::uint64_t{1} << 53;
    for (const std::uint64_t n : {twoTo53 + 1, twoTo53 + 3, twoTo53 + 5, twoTo53 - 1}) {
        const std::string text = std::to_string(n);
        EXPECT_EQ(ExactRatio(BigNatural(n), BigNatural(1)).Nearest(), std::strtod(text.c_str(), nullptr))
            << n;
    }
    // A quotient just above a tie rounds up; the remainder counts.
    const ExactRatio aboveTie(BigNatural(2 * twoTo53 + 3), BigNatural(2));
    EXPECT_EQ(aboveTie.Nearest(), static_cast<double>(twoTo53 + 2));
}

TEST(ExactRatio, KeepsLowestTermsAndExactDecimals) {
    const auto foot = ExactRatio::FromDecimal("0.3048");
    const auto inch = ExactRatio::FromDecimal("0.0254");
    ASSERT_TRUE(foot && inch);
    EXPECT_EQ(*foot / *inch, ExactRatio(BigNatural(12), BigNatural(1)));
    EXPECT_EQ((*foot / *inch).FractionText(), "12");
    EXPECT_EQ(foot->ExactDecimal(), "0.3048");
    EXPECT_EQ(inch->Power(-2).ExactDecimal(), std::nullopt);
    EXPECT_EQ((*inch / *foot).FractionText(), "1/12");
    EXPECT_EQ(ExactRatio(BigNatural(1), BigNatural(16)).ExactDecimal(), "0.0625");
    EXPECT_EQ(ExactRatio(BigNatural(3), BigNatural(1000)).ExactDecimal(), "0.003");
    EXPECT_EQ((ExactRatio::Pi() / ExactRatio::Pi()).PiPower(), 0);
    EXPECT_EQ(ExactRatio::Pi().ExactDecimal(), std::nullopt);
    EXPECT_EQ(ExactRatio::Pi().Nearest(), 3.141592653589793);
    EXPECT_EQ(ExactRatio::FromDecimal("1.2.3"), std::nullopt);
    EXPECT_EQ(ExactRatio::FromDecimal(""), std::nullopt);
    EXPECT_EQ(ExactRatio::FromDecimal("1e3"), std::nullopt);
}

// Products of many definitions outgrow 64 bits; a product and the quotient back must be exact.
TEST(BigNatural, MultipliesAndDividesPastSixtyFourBits) {
    const BigNatural a = BigNatural::FromDigits("105505585262000000000000000000000000000001");
    const BigNatural b = BigNatural::FromDigits("45359237000000000000000000019");
    const BigNatural product = a * b;
    BigNatural quotient;
    BigNatural remainder;
    BigNatural::Divide(product + BigNatural(17), b, quotient, remainder);
    EXPECT_EQ(quotient, a);
    EXPECT_EQ(remainder, BigNatural(17));
    EXPECT_EQ(product.DecimalText(),
              "4785652846722765094000000002004606119978045359237000000000000000000019");
    EXPECT_EQ((product - a * b).DecimalText(), "0");
    EXPECT_EQ(BigNatural::Gcd(a * BigNatural(2), b * BigNatural(2)), BigNatural(6)); // a and b share a 3
    EXPECT_EQ(BigNatural(1).ShiftedLeft(100).ShiftedRight(99), BigNatural(2));
}

} // namespace
