#include "numbers/DoubleText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fast_float/fast_float.h>
#include <limits>
#include <system_error>

namespace quorlex {

namespace {

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

// A non-negative integer in 32-bit limbs, least significant first; the limbs above the used ones are zero.
// Forty limbs hold what the exact writer needs: the largest double times ten, and the smallest one scaled
// up to its first digit (about 1080 bits each).
class BigNumber {
public:
    explicit BigNumber(std::uint64_t value) : size_(value == 0 ? 0 : (value >> 32) == 0 ? 1 : 2) {
        limbs_[0] = static_cast<std::uint32_t>(value);
        limbs_[1] = static_cast<std::uint32_t>(value >> 32);
    }

    bool IsZero() const { return size_ == 0; }

    int BitLength() const {
        if (size_ == 0) {
            return 0;
        }
        int length = static_cast<int>(32 * (size_ - 1));
        for (std::uint32_t top = limbs_[size_ - 1]; top != 0; top >>= 1) {
            ++length;
        }
        return length;
    }

    // floor(this / 2^position); the caller knows that it is below 2^64.
    std::uint64_t BitsFrom(int position) const {
        const auto index = static_cast<std::size_t>(position / 32);
        const auto part = static_cast<unsigned>(position % 32);
        const std::uint64_t low = ((std::uint64_t{Limb(index + 1)} << 32) | Limb(index)) >> part;
        return part == 0 ? low : low | (std::uint64_t{Limb(index + 2)} << (64 - part));
    }

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) {
            limbs_[size_++] = static_cast<std::uint32_t>(carry);
        }
    }

    // Multiplies by 10^n, n >= 0, nine decimal digits at a time.
    void MultiplyByPowerOfTen(int n) {
        constexpr std::uint32_t kTenToTheNinth = 1'000'000'000;
        for (; n >= 9; n -= 9) {
            Multiply(kTenToTheNinth);
        }
        std::uint32_t rest = 1;
        for (; n > 0; --n) {
            rest *= 10;
        }
        Multiply(rest);
    }

    // Multiplies by 2^bits, bits >= 0. From the top limb down, so that no limb is overwritten before it
    // is read.
    void ShiftLeft(int bits) {
        if (size_ == 0) {
            return;
        }
        const auto whole = static_cast<std::size_t>(bits / 32);
        const auto part = static_cast<unsigned>(bits % 32);
        for (std::size_t i = size_ + 1; i-- > 0;) {
            const std::uint32_t high = Limb(i);
            const std::uint32_t low = i > 0 ? limbs_[i - 1] : 0;
            limbs_[i + whole] = part == 0 ? high : (high << part) | (low >> (32 - part));
        }
        for (std::size_t i = 0; i < whole; ++i) {
            limbs_[i] = 0;
        }
        size_ += whole + 1;
        Trim();
    }

    // Below zero, zero or above zero as this is below, equal to or above other.
    int Compare(const BigNumber &other) const {
        if (size_ != other.size_) {
            return size_ < other.size_ ? -1 : 1;
        }
        for (std::size_t i = size_; i-- > 0;) {
            if (limbs_[i] != other.limbs_[i]) {
                return limbs_[i] < other.limbs_[i] ? -1 : 1;
            }
        }
        return 0;
    }

    // Subtracts other * factor, which is at most this.
    void SubtractMultiple(const BigNumber &other, std::uint32_t factor) {
        std::uint64_t carry = 0;
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{other.limbs_[i]} * factor + carry;
            carry = product >> 32;
            const std::uint64_t subtrahend = (product & 0xFFFF'FFFFU) + borrow;
            borrow = limbs_[i] < subtrahend ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - subtrahend);
        }
        Trim();
    }

private:
    static constexpr std::size_t kLimbCount = 40;

    std::uint32_t Limb(std::size_t i) const { return i < kLimbCount ? limbs_[i] : 0; }

    void Trim() {
        while (size_ > 0 && limbs_[size_ - 1] == 0) {
            --size_;
        }
    }

    std::array<std::uint32_t, kLimbCount> limbs_{};
    std::size_t size_;
};

// "inf" or "nan", with its sign.
std::to_chars_result WriteWord(char *first, char *last, bool negative, const char *word) {
    const std::size_t length = (negative ? 1 : 0) + std::strlen(word);
    if (static_cast<std::size_t>(last - first) < length) {
        return {last, std::errc::value_too_large};
    }
    if (negative) {
        *first++ = '-';
    }
    std::memcpy(first, word, std::strlen(word));
    return {first + std::strlen(word), std::errc{}};
}

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
    BigNumber numerator(m);
    BigNumber denominator(1);
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
        if (i > 0) {
            ++digit(i - 1);
        } else {
            digit(0) = '1';
            ++k;
        }
    }
    return k;
}

} // namespace

std::from_chars_result ReadDouble(const char *first, const char *last, double &value) {
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
