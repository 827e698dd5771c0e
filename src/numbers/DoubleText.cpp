#include "numbers/DoubleText.h"

#include "numbers/BigNumber.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#if !defined(__EMSCRIPTEN__)
#include <fast_float/fast_float.h>
#endif
#include <limits>
#include <string_view>
#include <system_error>

namespace quorlex {

namespace {

using detail::BigNumber;

#if !defined(__EMSCRIPTEN__)
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number read from [first, last) is written with digits, not as "inf" or "nan".
bool IsNumeral(const char *first, const char *last) {
    if (first != last && *first == '-') {
        ++first;
    }
    return first != last && (IsDigit(*first) || *first == '.');
}

// The digits before the exponent are not all zeros.
bool HasNonZeroDigit(const char *first, const char *last) {
    for (; first != last && *first != 'e' && *first != 'E'; ++first) {
        if (*first >= '1' && *first <= '9') {
            return true;
        }
    }
    return false;
}
#endif

// "inf" or "nan", with its sign.
std::to_chars_result WriteWord(char *first, char *last, bool negative, std::string_view word) {
    if (static_cast<std::size_t>(last - first) < (negative ? 1 : 0) + word.size()) {
        return {last, std::errc::value_too_large};
    }
    if (negative) {
        *first++ = '-';
    }
    return {std::copy(word.begin(), word.end(), first), std::errc{}};
}

// Forty limbs hold what the exact writer needs: the largest double times ten, and the smallest one scaled
// up to its first digit (about 1080 bits each).
constexpr std::size_t kWriterLimbs = 40;

// Writes the `count` significant digits of m * 2^e (m > 0) at digit(0), digit(1), ..., rounded half to
// even on the exact value, and returns the decimal exponent of the first. The value is the fraction
// numerator / denominator times 10^k, with the fraction kept in [1, 10); each digit is its integer part,
// and the rest, times ten, gives the next. The integer part is read from the top 32 bits of the
// denominator and the same bits of the numerator: that estimate is the digit or one less.
template <typename DigitAt>
int WriteSignificantDigits(std::uint64_t m, int e, std::size_t count, DigitAt digit) {
    int bitLength = 0;
    for (std::uint64_t rest = m; rest != 0; rest >>= 1) {
        ++bitLength;
    }
    // 2^e2 <= value < 2^(e2+1); floor(e2 log10 2), which 78913 / 2^18 gives for any exponent a double
    // has, is floor(log10 value) or one less.
    const int e2 = bitLength - 1 + e;
    int k = ((e2 * 78913) >> 18) + 1;
    BigNumber<kWriterLimbs> numerator(m);
    BigNumber<kWriterLimbs> denominator(1);
    if (e >= 0) {
        numerator.ShiftLeft(e);
    } else {
        denominator.ShiftLeft(-e);
    }
    if (k >= 0) {
        denominator.MultiplyByPowerOfTen(k);
    } else {
        numerator.MultiplyByPowerOfTen(-k);
    }
    if (numerator.Compare(denominator) < 0) {
        --k;
        numerator.Multiply(10);
    }
    if (const int shift = 32 - denominator.BitLength(); shift > 0) {
        numerator.ShiftLeft(shift);
        denominator.ShiftLeft(shift);
    }
    const int position = denominator.BitLength() - 32;
    const std::uint64_t top = denominator.BitsFrom(position) + 1;

    for (std::size_t i = 0; i < count; ++i) {
        auto value = static_cast<std::uint32_t>(numerator.BitsFrom(position) / top);
        numerator.SubtractMultiple(denominator, value);
        if (numerator.Compare(denominator) >= 0) {
            numerator.SubtractMultiple(denominator, 1);
            ++value;
        }
        digit(i) = static_cast<char>('0' + value);
        if (i + 1 < count && !numerator.IsZero()) {
            numerator.Multiply(10);
        }
    }

    // What is left, against half a unit of the last digit.
    numerator.ShiftLeft(1);
    const int half = numerator.Compare(denominator);
    if (half > 0 || (half == 0 && (digit(count - 1) - '0') % 2 != 0)) {
        std::size_t i = count;
        while (i > 0 && digit(i - 1) == '9') {
            digit(--i) = '0';
        }
        if (i == 0) {
            // All nines: 9.99...9 rounds up to 10.00...0, one decimal place higher.
            ++k;
            i = 1;
        }
        ++digit(i - 1);
    }
    return k;
}

} // namespace

std::from_chars_result ReadDouble(const char *first, const char *last, double &value) {
#if defined(__EMSCRIPTEN__)
    return ReadDoubleExact(first, last, value);
#else
    double read = 0.0;
    const auto result = fast_float::from_chars(first, last, read, fast_float::chars_format::general);
    if (result.ec != std::errc{}) {
        return {result.ptr, result.ec};
    }
    // The library gives an infinity for a value beyond the largest double and zero for one below half the
    // smallest; both are out of range, as std::from_chars reports them.
    const bool overflow =
        read == std::numeric_limits<double>::infinity() || read == -std::numeric_limits<double>::infinity();
    if ((overflow && IsNumeral(first, result.ptr)) || (read == 0.0 && HasNonZeroDigit(first, result.ptr))) {
        return {result.ptr, std::errc::result_out_of_range};
    }
    value = read;
    return {result.ptr, std::errc{}};
#endif
}

std::to_chars_result WriteScientific(char *first, char *last, double x, int precision) {
#if defined(__GLIBCXX__)
    // libstdc++ (g++ and MinGW-w64) has the floating-point to_chars, correctly rounded as well.
    return std::to_chars(first, last, x, std::chars_format::scientific, precision);
#else
    return WriteScientificExact(first, last, x, precision);
#endif
}

std::to_chars_result WriteScientificExact(char *first, char *last, double x, int precision) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0x7FF) {
        return WriteWord(first, last, negative, m == 0 ? "inf" : "nan");
    }
    int e = -1074; // x = m * 2^e
    if (biased != 0) {
        m |= std::uint64_t{1} << 52;
        e = biased - 1075;
    }

    // "-d.ddde+dd": the digits first, then the exponent, whose length is known after the rounding.
    const auto count = static_cast<std::size_t>(precision < 0 ? 0 : precision) + 1;
    const std::size_t mantissaLength = (negative ? 1 : 0) + count + (count > 1 ? 1 : 0);
    if (static_cast<std::size_t>(last - first) < mantissaLength) {
        return {last, std::errc::value_too_large};
    }
    char *p = first;
    if (negative) {
        *p++ = '-';
    }
    char *const digits = p;
    const auto digit = [digits](std::size_t i) -> char & { return i == 0 ? digits[0] : digits[i + 1]; };
    if (count > 1) {
        digits[1] = '.';
    }
    int exponent = 0;
    if (m == 0) {
        for (std::size_t i = 0; i < count; ++i) {
            digit(i) = '0';
        }
    } else {
        exponent = WriteSignificantDigits(m, e, count, digit);
    }
    p = first + mantissaLength;

    const int magnitude = exponent < 0 ? -exponent : exponent;
    const std::size_t exponentLength = magnitude >= 100 ? 5 : 4;
    if (static_cast<std::size_t>(last - p) < exponentLength) {
        return {last, std::errc::value_too_large};
    }
    *p++ = 'e';
    *p++ = exponent < 0 ? '-' : '+';
    if (magnitude >= 100) {
        *p++ = static_cast<char>('0' + magnitude / 100);
    }
    *p++ = static_cast<char>('0' + magnitude / 10 % 10);
    *p++ = static_cast<char>('0' + magnitude % 10);
    return {p, std::errc{}};
}

} // namespace quorlex
