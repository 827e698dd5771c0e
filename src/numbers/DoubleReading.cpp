// The exact reader behind ReadDouble where the page's module is built: the same doubles as fast_float
// gives, without its tables of powers (about a tenth of the module), since the page downloads every byte.
#include "numbers/BigNumber.h"
#include "numbers/DoubleText.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace quorlex {

namespace {

using detail::BigNumber;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithWord(const char *first, const char *last, const char *word) {
    for (; *word != '\0'; ++word, ++first) {
        if (first == last || Lower(*first) != *word) {
            return false;
        }
    }
    return true;
}

// "inf", "infinity", "nan" or "nan(" letters, digits and '_' ")", in any letter case, after an optional '-'.
std::from_chars_result ReadWord(const char *first, const char *last, double &value) {
    const char *p = first;
    const bool negative = p != last && *p == '-';
    p += negative ? 1 : 0;
    if (StartsWithWord(p, last, "nan")) {
        p += 3;
        if (p != last && *p == '(') {
            for (const char *q = p + 1; q != last; ++q) {
                if (*q == ')') {
                    p = q + 1;
                    break;
                }
                if (!IsDigit(*q) && !(Lower(*q) >= 'a' && Lower(*q) <= 'z') && *q != '_') {
                    break;
                }
            }
        }
        value =
            negative ? -std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::quiet_NaN();
        return {p, std::errc{}};
    }
    if (StartsWithWord(p, last, "inf")) {
        p += StartsWithWord(p, last, "infinity") ? 8 : 3;
        value = negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
        return {p, std::errc{}};
    }
    return {first, std::errc::invalid_argument};
}

// The significant digits of a number as read: digits[0..count) times 10^exponent, the digits past the
// kept ones dropped, and one more digit 1 standing for them when any was not zero (which settles which way a
// value between two doubles rounds, as the dropped digits would: 768 significant digits decide any double).
constexpr std::size_t kKeptDigits = 800;
struct Significand {
    std::array<char, kKeptDigits + 1> digits{};
    std::size_t count = 0;
    long long exponent = 0;
};

// The largest numbers the reader makes: 10^1125 (the smallest value worth working out, 10^-325, written
// with 801 digits) and the numerator at twice it, about 3740 bits.
constexpr std::size_t kReaderLimbs = 120;

// The powers of ten a double holds exactly.
constexpr std::array<double, 23> kExactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The nearest double to the significand (count >= 1, its first digit not 0), halves to even; infinity above
// the largest, zero below half the smallest.
double Nearest(const Significand &number) {
    // Up to 15 digits and a power of ten that a double holds: one correctly rounded multiplication or
    // division of two exact doubles (Clinger 1990).
    if (number.count <= 15 && number.exponent >= -22 && number.exponent <= 22) {
        std::uint64_t whole = 0;
        for (std::size_t i = 0; i < number.count; ++i) {
            whole = whole * 10 + static_cast<std::uint64_t>(number.digits[i] - '0');
        }
        const auto power =
            kExactPowers[static_cast<std::size_t>(number.exponent < 0 ? -number.exponent : number.exponent)];
        return number.exponent < 0 ? static_cast<double>(whole) / power : static_cast<double>(whole) * power;
    }
    // Otherwise the quotient numerator / denominator, in integers: its first 55 bits by long division,
    // then the rest against half a unit of the last bit kept.
    BigNumber<kReaderLimbs> numerator(0);
    for (std::size_t i = 0; i < number.count; ++i) {
        numerator.MultiplyAdd(10, static_cast<std::uint32_t>(number.digits[i] - '0'));
    }
    BigNumber<kReaderLimbs> denominator(1);
    if (number.exponent >= 0) {
        numerator.MultiplyByPowerOfTen(static_cast<int>(number.exponent));
    } else {
        denominator.MultiplyByPowerOfTen(static_cast<int>(-number.exponent));
    }
    // value = numerator / denominator * 2^scale with denominator <= numerator < 2 denominator.
    int scale = numerator.BitLength() - denominator.BitLength();
    if (scale > 0) {
        denominator.ShiftLeft(scale);
    } else {
        numerator.ShiftLeft(-scale);
    }
    if (numerator.Compare(denominator) < 0) {
        numerator.ShiftLeft(1);
        --scale;
    }
    constexpr int kQuotientBits = 55;
    std::uint64_t quotient = 0;
    for (int i = 0; i < kQuotientBits; ++i) {
        quotient <<= 1;
        if (numerator.Compare(denominator) >= 0) {
            numerator.SubtractMultiple(denominator, 1);
            quotient |= 1;
        }
        numerator.ShiftLeft(1);
    }
    // value = (quotient + rest) * 2^lowest, 2^54 <= quotient < 2^55, 0 <= rest < 1.
    const int lowest = scale - (kQuotientBits - 1);
    // A double has 53 bits, and none below 2^-1074.
    constexpr int kSmallestBit = -1074;
    int dropped = kQuotientBits - 53;
    if (lowest + dropped < kSmallestBit) {
        dropped = kSmallestBit - lowest;
    }
    if (dropped > kQuotientBits) {
        return 0.0; // below a quarter of the smallest double
    }
    std::uint64_t kept = quotient >> dropped;
    const std::uint64_t rest = quotient & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    if (rest > half || (rest == half && (!numerator.IsZero() || (kept & 1) != 0))) {
        ++kept;
    }
    // Exact: kept has at most 53 bits and its lowest is at 2^-1074 or above; infinity past the largest.
    return std::ldexp(static_cast<double>(kept), lowest + dropped);
}

} // namespace

std::from_chars_result ReadDoubleExact(const char *first, const char *last, double &value) {
    if (first == last) {
        return {first, std::errc::invalid_argument};
    }
    const char *p = first;
    const bool negative = *p == '-';
    p += negative ? 1 : 0;
    Significand number;
    bool dropped = false;
    std::size_t digitCount = 0;
    const auto take = [&](char c, bool fraction) {
        ++digitCount;
        number.exponent -= fraction ? 1 : 0;
        if (number.count == 0 && c == '0') {
            return;
        }
        if (number.count < kKeptDigits) {
            number.digits[number.count++] = c;
        } else {
            ++number.exponent;
            dropped = dropped || c != '0';
        }
    };
    for (; p != last && IsDigit(*p); ++p) {
        take(*p, false);
    }
    if (p != last && *p == '.') {
        for (++p; p != last && IsDigit(*p); ++p) {
            take(*p, true);
        }
    }
    if (digitCount == 0) {
        return ReadWord(first, last, value);
    }
    // An exponent: 'e' or 'E', an optional sign, digits; without digits the 'e' is not part of the number.
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char *q = p + 1;
        const bool negativeExponent = q != last && *q == '-';
        q += q != last && (*q == '-' || *q == '+') ? 1 : 0;
        if (q != last && IsDigit(*q)) {
            long long exponent = 0;
            for (; q != last && IsDigit(*q); ++q) {
                exponent = exponent < 0x10000000 ? exponent * 10 + (*q - '0') : exponent;
            }
            number.exponent += negativeExponent ? -exponent : exponent;
            p = q;
        }
    }
    const double sign = negative ? -1.0 : 1.0;
    if (number.count == 0) {
        value = sign * 0.0;
        return {p, std::errc{}};
    }
    if (dropped) {
        number.digits[number.count++] = '1';
        --number.exponent;
    }
    // The value lies in [10^(lead-1), 10^lead): past the largest double (about 1.8e308) or below half the
    // smallest (about 4.9e-324) without working it out.
    const long long lead = static_cast<long long>(number.count) + number.exponent;
    if (lead > 310 || lead < -324) {
        return {p, std::errc::result_out_of_range};
    }
    const double magnitude = Nearest(number);
    if (magnitude == 0.0 || std::isinf(magnitude)) {
        return {p, std::errc::result_out_of_range};
    }
    value = sign * magnitude;
    return {p, std::errc{}};
}

} // namespace quorlex
