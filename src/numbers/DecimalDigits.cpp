#include "numbers/DecimalDigits.h"

#include "numbers/DoubleText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace quorlex {

namespace {

__extension__ using Uint128 = unsigned __int128;

// The rounding by WriteScientific: exact for every double (halves to even on the exact binary value).
Decimal15 LibraryDecimal15(double x) {
    // "-d.ddddddddddddddde-308" fits easily.
    char buffer[40];
    const auto result = WriteScientific(buffer, buffer + sizeof buffer, x, 14);
    const char *p = buffer;
    Decimal15 decimal;
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    decimal.digits[0] = *p++;
    ++p; // the period
    for (std::size_t i = 1; i < decimal.digits.size(); ++i) {
        decimal.digits[i] = *p++;
    }
    ++p; // 'e'
    const bool negativeExponent = *p == '-';
    ++p;
    int exponent = 0;
    std::from_chars(p, result.ptr, exponent);
    decimal.exponent = negativeExponent ? -exponent : exponent;
    return decimal;
}

constexpr std::uint64_t kLeast15Digits = 100'000'000'000'000;    // 10^14
constexpr std::uint64_t kBeyond15Digits = 1'000'000'000'000'000; // 10^15

// 10^0 to 10^23, the scales the integer rounding uses.
constexpr auto kPowersOfTen = [] {
    std::array<Uint128, 24> powers{};
    Uint128 power = 1;
    for (auto &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

// Writes the `count` decimal digits of value (below 10^count) into text, leading zeros included.
void WriteDigits(std::uint32_t value, char *text, int count) {
    for (int i = count - 1; i >= 0; --i) {
        text[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

// The same rounding in integer arithmetic, for the values most conversions give: 1E-8 <= |x| < 1E+15.
// There |x| = m * 2^e with m < 2^53, and |x| * 10^s, for the s that leaves 15 digits before the point, is
// m * 10^s / 2^-e with m * 10^s below 2^127: the quotient is the digits, the remainder decides the
// rounding, halves to even as the library does.
std::optional<Decimal15> IntegerDecimal15(double x) {
    const double magnitude = std::fabs(x);
    if (!(magnitude >= 1E-8 && magnitude < 1E+15)) {
        return std::nullopt;
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int e = biased - 1075; // |x| = m * 2^e, and 2^(e+52) <= |x| < 2^(e+53)

    // floor(log10 |x|) is floor((e + 52) log10 2) or one more; 78913 / 2^18 gives that floor for any
    // exponent a double has.
    const int estimate = ((e + 52) * 78913) >> 18;
    // The digits of |x| * 10^(14 - k), cut off, and what was cut off (remainder over divisor).
    const auto scaled = [m, e](int k, Uint128 &remainder, Uint128 &divisor) {
        const Uint128 product = Uint128{m} * kPowersOfTen[static_cast<std::size_t>(14 - k)];
        if (e >= 0) {
            remainder = 0;
            divisor = 1;
            return product << e;
        }
        divisor = Uint128{1} << -e;
        remainder = product & (divisor - 1);
        return product >> -e;
    };
    int k = estimate + 1 > 14 ? 14 : estimate + 1;
    Uint128 remainder = 0;
    Uint128 divisor = 1;
    Uint128 digits = scaled(k, remainder, divisor);
    if (digits < kLeast15Digits) {
        k = estimate;
        digits = scaled(k, remainder, divisor);
    }
    const Uint128 half = divisor / 2;
    if (remainder > half || (remainder == half && remainder != 0 && (digits & 1) != 0)) {
        ++digits;
    }
    if (digits == kBeyond15Digits) {
        digits = kLeast15Digits;
        ++k;
    }

    Decimal15 decimal;
    decimal.negative = x < 0;
    decimal.exponent = k;
    // Seven digits, then eight, each group in 32-bit arithmetic.
    const auto value = static_cast<std::uint64_t>(digits);
    constexpr std::uint64_t kLowGroup = 100'000'000;
    WriteDigits(static_cast<std::uint32_t>(value / kLowGroup), decimal.digits.data(), 7);
    WriteDigits(static_cast<std::uint32_t>(value % kLowGroup), decimal.digits.data() + 7, 8);
    return decimal;
}

} // namespace

Decimal15 ToDecimal15(double x) {
    if (const auto decimal = IntegerDecimal15(x)) {
        return *decimal;
    }
    return LibraryDecimal15(x);
}

int SignificantDigits(const Decimal15 &decimal) {
    int significant = static_cast<int>(decimal.digits.size());
    while (significant > 1 && decimal.digits[static_cast<std::size_t>(significant - 1)] == '0') {
        --significant;
    }
    return significant;
}

} // namespace quorlex
