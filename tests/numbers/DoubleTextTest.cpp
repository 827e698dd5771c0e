// The one place a double becomes text and back. Its exact writer, which the builds without a floating-point
// to_chars use, must give the C++ library's correctly rounded scientific text for every double; its reader
// must give the library's double, or the library's out-of-range report, for every text. Both are checked
// on a few million doubles from families where a writer or a reader goes wrong: uniform bit patterns,
// subnormals, powers of ten and their neighbours, exact halves, the ends of the range.
#include "numbers/DoubleText.h"

#include "support/NamedParam.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace {

using quorlex::ReadDouble;
using quorlex::ReadDoubleExact;
using quorlex::WriteScientific;
using quorlex::WriteScientificExact;
using quorlex::test::PrintTo;

double FromBits(std::uint64_t bits) {
    double x = 0.0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

std::uint64_t BitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// Long enough for every digit of the smallest subnormal's exact expansion.
constexpr std::size_t kBufferSize = 1200;

std::string LibraryText(double x, int precision) {
    char buffer[kBufferSize];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, precision);
    return {buffer, result.ptr};
}

std::string ExactText(double x, int precision) {
    char buffer[kBufferSize];
    const auto result = WriteScientificExact(buffer, buffer + sizeof buffer, x, precision);
    return result.ec == std::errc{} ? std::string(buffer, result.ptr) : std::string("(no room)");
}

// How many of the writes differ from the library's, and the first that does.
struct Mismatches {
    std::size_t count = 0;
    std::string first;

    void Check(double x, int precision) {
        const std::string expected = LibraryText(x, precision);
        const std::string actual = ExactText(x, precision);
        if (actual != expected && count++ == 0) {
            first = "bits " + std::to_string(BitsOf(x)) + " precision " + std::to_string(precision) + ": " +
                    actual + " instead of " + expected;
        }
    }

    // ReadDouble and the exact reader against std::from_chars: the same end, the same report, the same
    // bits; on a report the value stays as it was.
    void CheckRead(const std::string &text) {
        constexpr double kUntouched = -12345.0;
        double expected = kUntouched;
        const char *end = text.data() + text.size();
        const auto library = std::from_chars(text.data(), end, expected);
        for (const auto reader : {&ReadDouble, &ReadDoubleExact}) {
            double actual = kUntouched;
            const auto seam = reader(text.data(), end, actual);
            if ((library.ptr != seam.ptr || library.ec != seam.ec || BitsOf(expected) != BitsOf(actual)) &&
                count++ == 0) {
                first = (reader == &ReadDouble ? "ReadDouble: \"" : "ReadDoubleExact: \"") + text +
                        "\" reads as " + std::to_string(actual) + " (error " +
                        std::to_string(static_cast<int>(seam.ec)) + ") instead of " +
                        LibraryText(expected, 16) + " (error " +
                        std::to_string(static_cast<int>(library.ec)) + ")";
            }
        }
    }
};

// A family of doubles: how many to draw, and how to make one from 64 random bits.
struct Family {
    const char *name;
    int count;
    double (*make)(std::uint64_t random);
};

std::vector<double> PowersOfTenAndNeighbours() {
    std::vector<double> values;
    for (int n = -323; n <= 308; ++n) {
        const std::string text = "1e" + std::to_string(n);
        double power = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), power);
        values.push_back(power);
        values.push_back(std::nextafter(power, 0.0));
        values.push_back(std::nextafter(power, std::numeric_limits<double>::infinity()));
    }
    return values;
}

const std::vector<double> &Powers() {
    static const std::vector<double> powers = PowersOfTenAndNeighbours();
    return powers;
}

constexpr std::uint64_t kSignBit = 0x8000'0000'0000'0000U;

const std::vector<Family> &Families() {
    static const std::vector<Family> families{
        // Every finite double alike: the bits below the sign taken modulo the first infinity.
        {"UniformBits", 600'000,
         [](std::uint64_t random) {
             return FromBits((random & kSignBit) | (random % 0x7FF0'0000'0000'0000U));
         }},
        {"Subnormals", 100'000,
         [](std::uint64_t random) { return FromBits(random & 0x800F'FFFF'FFFF'FFFFU); }},
        {"PowersOfTen", static_cast<int>(Powers().size()),
         [](std::uint64_t random) { return Powers()[random % Powers().size()]; }},
        // Sixteen-digit integers ending in 5, all exact: halfway between two fifteen-digit texts.
        {"HalvesAtFifteenDigits", 200'000,
         [](std::uint64_t random) {
             constexpr std::uint64_t kLowest = 100'000'000'000'000; // 10^14
             constexpr std::uint64_t kSpan = 9'007'199'254'740'992 / 10 - kLowest;
             const auto integer = static_cast<double>((kLowest + random % kSpan) * 10 + 5);
             return (random & kSignBit) != 0 ? -integer : integer;
         }},
        // Near the top of the range, where the writer's numbers are longest.
        {"LargestMagnitudes", 50'000,
         [](std::uint64_t random) {
             return FromBits(0x7FEF'FFFF'FFFF'FFFFU - random % 0x0010'0000'0000'0000U);
         }},
    };
    return families;
}

class DoubleTextFamily : public testing::TestWithParam<Family> {};

TEST_P(DoubleTextFamily, ExactWriterGivesTheLibrarysFifteenDigits) {
    std::mt19937_64 random(20261209);
    Mismatches mismatches;
    for (int i = 0; i < GetParam().count; ++i) {
        mismatches.Check(GetParam().make(random()), 14);
    }
    EXPECT_EQ(mismatches.count, 0U) << mismatches.first;
}

TEST_P(DoubleTextFamily, ExactWriterMatchesTheLibraryAtOtherPrecisions) {
    std::mt19937_64 random(7);
    Mismatches mismatches;
    for (int i = 0; i < GetParam().count / 10; ++i) {
        mismatches.Check(GetParam().make(random()), static_cast<int>(random() % 25));
    }
    EXPECT_EQ(mismatches.count, 0U) << mismatches.first;
}

// Each double read back from its shortest text, its fifteen-digit text and its seventeen-digit text.
TEST_P(DoubleTextFamily, ReaderGivesTheLibrarysDouble) {
    std::mt19937_64 random(42);
    Mismatches mismatches;
    for (int i = 0; i < GetParam().count; ++i) {
        const double x = GetParam().make(random());
        char buffer[40];
        mismatches.CheckRead({buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr});
        mismatches.CheckRead(LibraryText(x, 14));
        mismatches.CheckRead(LibraryText(x, 16));
    }
    EXPECT_EQ(mismatches.count, 0U) << mismatches.first;
}

INSTANTIATE_TEST_SUITE_P(DoubleText, DoubleTextFamily, testing::ValuesIn(Families()),
                         [](const testing::TestParamInfo<Family> &info) { return info.param.name; });

// Every double that is not an integer ends its exact expansion in a 5: written with one digit fewer, it
// lies exactly halfway, and halves go to the even digit.
TEST(DoubleText, ExactWriterRoundsEveryExactHalfToEven) {
    std::mt19937_64 random(5);
    Mismatches mismatches;
    for (int i = 0; i < 50'000; ++i) {
        // Fractions with up to 60 binary places: exact expansions of up to about 80 digits.
        const auto bits =
            (random() & 0x800F'FFFF'FFFF'FFFFU) | (std::uint64_t{1023 - 60 + random() % 80} << 52);
        const double x = FromBits(bits);
        std::string exact = LibraryText(x, 120);
        const auto e = exact.find('e');
        auto last = e - 1;
        while (exact[last] == '0') {
            --last;
        }
        const int digits = static_cast<int>(last) - (x < 0 ? 2 : 1); // after the period
        mismatches.Check(x, digits);
        if (digits > 0) {
            mismatches.Check(x, digits - 1);
        }
    }
    EXPECT_EQ(mismatches.count, 0U) << mismatches.first;
}

TEST(DoubleText, ExactWriterWritesTheEndsOfTheRangeAndTheWords) {
    const double values[] = {0.0,
                             -0.0,
                             std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::denorm_min(),
                             9.999999999999995e99, // rounds up into a three-digit exponent
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::quiet_NaN()};
    for (const double x : values) {
        for (const int precision : {0, 1, 14, 16, 40, 800}) {
            EXPECT_EQ(ExactText(x, precision), LibraryText(x, precision)) << precision;
        }
    }
}

TEST(DoubleText, WritersReportARangeTooShort) {
    char buffer[20]; // "-1.23456789012346e+100" needs 22
    for (const auto write : {&WriteScientific, &WriteScientificExact}) {
        const auto result = write(buffer, buffer + sizeof buffer, -1.2345678901234567e100, 14);
        EXPECT_EQ(result.ec, std::errc::value_too_large);
        EXPECT_EQ(result.ptr, buffer + sizeof buffer);
    }
}

// Random decimal texts: any number of digits, the period anywhere, exponents from far below the smallest
// subnormal to far above the largest double, so that underflow to zero and overflow are read too.
TEST(DoubleText, ReaderGivesTheLibrarysDoubleForRandomTexts) {
    std::mt19937_64 random(99);
    Mismatches mismatches;
    for (int i = 0; i < 300'000; ++i) {
        std::string text = (random() & 1) != 0 ? "-" : "";
        const auto digits = static_cast<int>(1 + random() % 25);
        const auto period = static_cast<int>(random() % (digits + 2));
        for (int d = 0; d < digits; ++d) {
            if (d == period) {
                text += '.';
            }
            // Mostly zeros and nines, where carries and exact halves hide.
            const auto kind = random() % 4;
            text += kind == 0 ? '0' : kind == 1 ? '9' : static_cast<char>('0' + random() % 10);
        }
        text += 'e';
        text += std::to_string(static_cast<int>(random() % 700) - 360);
        mismatches.CheckRead(text);
    }
    EXPECT_EQ(mismatches.count, 0U) << mismatches.first;
}

TEST(DoubleText, ReaderReportsWhatTheLibraryReports) {
    Mismatches mismatches;
    for (const char *text :
         {"1e309",
          "-1e400",
          "1.7976931348623158e308",
          "1.7976931348623159e308",
          "2.4e-324",
          "2.4703282292062327e-324",
          "2.4703282292062328e-324",
          "-1e-400",
          "0e-400",
          "0e999",
          "-0",
          "inf",
          "-infinity",
          "nan",
          "1e",
          "1.5e+",
          ".5",
          ".",
          "-",
          "+1",
          "",
          "e5",
          "00000000000000000000000000001.5",
          "0x1p3",
          "1d5",
          "12abc",
          "NaN(ind)",
          "-nan(a_1)",
          "nan(a-b)",
          "nan(",
          "INFINITx",
          "-.e5",
          "1.e5",
          "1e-0x",
          "9007199254740993",
          "1e99999999999999999999",
          "1e-99999999999999999999",
          "0.000000000000000000000000000000000000000000000000000000000000000000001e-255"}) {
        mismatches.CheckRead(text);
    }
    // The exact means of two neighbouring doubles, in all their digits (hundreds of them near the smallest
    // normal double), just above and just below: only digits far beyond the seventeenth decide which way
    // they round.
    for (const double x : {1.0, 0x1.0000000000001p0, 0x1p-1022, 0x1.fffffffffffffp-1023, 0x1p-1074, 1e300}) {
        const double next = std::nextafter(x, 2.0 * x);
        const std::string exact = LibraryText(x, 1100);
        const std::string upper = LibraryText(next, 1100);
        // The exact mean, digit by digit: (x + next) / 2 in decimal, from the two exact expansions.
        const auto exponentOf = [](const std::string &text) {
            return std::stoi(text.substr(text.find('e') + 1));
        };
        if (exponentOf(exact) != exponentOf(upper)) {
            continue;
        }
        int carry = 0;
        const std::string a = exact.substr(0, 1) + exact.substr(2, 1100);
        const std::string b = upper.substr(0, 1) + upper.substr(2, 1100);
        std::vector<int> sum(a.size() + 1, 0);
        for (std::size_t i = a.size(); i-- > 0;) {
            const int total = (a[i] - '0') + (b[i] - '0') + carry;
            sum[i + 1] = total % 10;
            carry = total / 10;
        }
        sum[0] = carry;
        // Halve the sum.
        int remainder = 0;
        for (int &digit : sum) {
            const int value = remainder * 10 + digit;
            digit = value / 2;
            remainder = value % 2;
        }
        std::string digits;
        for (const int digit : sum) {
            digits += static_cast<char>('0' + digit);
        }
        digits += remainder != 0 ? "5" : "";
        const std::string mean = "0." + digits + "e" + std::to_string(exponentOf(exact) + 2);
        mismatches.CheckRead(mean);
        mismatches.CheckRead(mean + "1");
        mismatches.CheckRead("0." + digits.substr(0, digits.find_last_not_of('0')) + "4999e" +
                             std::to_string(exponentOf(exact) + 2));
    }
    EXPECT_EQ(mismatches.count, 0U) << mismatches.first;
}

} // namespace
