// The 15-digit rounding that every number text starts from: its integer arithmetic for ordinary values must
// give exactly what the C++ library's correctly rounded scientific text gives, halves to even included.
#include "numbers/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using quorlex::Decimal15;
using quorlex::ToDecimal15;

// The library's text, and the same form made from a Decimal15.
std::string LibraryText(double x) {
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    return {buffer, result.ptr};
}

std::string TextOf(const Decimal15 &decimal) {
    std::string text;
    if (decimal.negative) {
        text += '-';
    }
    text += decimal.digits[0];
    text += '.';
    text.append(decimal.digits.begin() + 1, decimal.digits.end());
    const int magnitude = std::abs(decimal.exponent);
    text += decimal.exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) {
        text += '0';
    }
    text += std::to_string(magnitude);
    return text;
}

TEST(DecimalDigits, EdgesOfTheIntegerRoundingMatchTheLibrary) {
    const double below = std::nextafter(1E15, 0.0);
    const std::vector<double> values{562949953421312.5,
                                     562949953421313.5,
                                     -562949953421312.5, // exact halves: to even
                                     0.1,
                                     0.2,
                                     0.3,
                                     1.0 / 3.0,
                                     2.0 / 3.0,
                                     1.005,
                                     28.02125,
                                     453.6,
                                     -17.77777777777778,
                                     1E-8,
                                     std::nextafter(1E-8, 0.0),
                                     std::nextafter(1E-8, 1.0),
                                     9.999999999999999E-9,
                                     1E15,
                                     below,
                                     999999999999999.9,
                                     99999999999999.95,
                                     9.9999999999999995,
                                     0.99999999999999995,
                                     1.0,
                                     10.0,
                                     100.0,
                                     1E14,
                                     1E-7,
                                     123456789012345.6,
                                     4503599627370495.5,
                                     0.000123456789012345678,
                                     std::numeric_limits<double>::max(),
                                     std::numeric_limits<double>::denorm_min(),
                                     5E-324,
                                     1E-300,
                                     0.0};
    for (const double x : values) {
        EXPECT_EQ(TextOf(ToDecimal15(x)), LibraryText(x)) << x;
    }
}

TEST(DecimalDigits, RandomValuesMatchTheLibrary) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-12.0, 17.0);
    std::uniform_int_distribution<std::uint64_t> anyBits;
    std::uniform_int_distribution<int> shortDigits(0, 99999);
    int mismatches = 0;
    for (int i = 0; i < 300000 && mismatches < 10; ++i) {
        // Spread over the magnitudes, any bits, and products of short decimals as conversions make them.
        const double spread = std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1 : -1);
        const double bits = std::bit_cast<double>(anyBits(random));
        const double product = shortDigits(random) / 100.0 * (shortDigits(random) / 10000.0);
        for (const double x : {spread, bits, product}) {
            if (!std::isfinite(x)) {
                continue;
            }
            const std::string expected = LibraryText(x);
            const std::string actual = TextOf(ToDecimal15(x));
            if (actual != expected) {
                ++mismatches;
                ADD_FAILURE() << "bits " << std::bit_cast<std::uint64_t>(x) << ": " << actual
                              << " instead of " << expected;
            }
        }
    }
}

} // namespace
