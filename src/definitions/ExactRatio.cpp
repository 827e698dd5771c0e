#include "definitions/ExactRatio.h"

#include <cmath>
#include <cstdint>

namespace quorlex::definitions {

namespace {

// Pi to 50 decimals (its digits are in every table of mathematical constants, e.g. NIST's Digital
// Library of Mathematical Functions, 3.12.1, and OEIS A000796).
constexpr std::string_view kPiDigits = "314159265358979323846264338327950288419716939937510";
constexpr int kPiDecimals = 50;

constexpr int kMantissaBits = 53;

// Divides number by prime as often as it goes, and says how often.
int TakeFactors(BigNatural &number, std::uint32_t prime) {
    int count = 0;
    BigNatural quotient;
    BigNatural remainder;
    for (;;) {
        BigNatural::Divide(number, BigNatural(prime), quotient, remainder);
        if (!remainder.IsZero()) {
            return count;
        }
        number = quotient;
        ++count;
    }
}

} // namespace

ExactRatio::ExactRatio(BigNatural numerator, BigNatural denominator, int piPower)
    : numerator_(std::move(numerator)), denominator_(std::move(denominator)), piPower_(piPower) {
    Reduce();
}

void ExactRatio::Reduce() {
    const BigNatural divisor = BigNatural::Gcd(numerator_, denominator_);
    if (!divisor.IsOne() && !divisor.IsZero()) {
        BigNatural remainder;
        BigNatural::Divide(BigNatural(numerator_), divisor, numerator_, remainder);
        BigNatural::Divide(BigNatural(denominator_), divisor, denominator_, remainder);
    }
}

std::optional<ExactRatio> ExactRatio::FromDecimal(std::string_view text) {
    std::string digits;
    int decimals = -1;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits += c;
            if (decimals >= 0) {
                ++decimals;
            }
        } else if (c == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    return ExactRatio(BigNatural::FromDigits(digits), BigNatural::PowerOfTen(decimals < 0 ? 0 : decimals));
}

ExactRatio ExactRatio::Pi() {
    // Pi is kept as a power, not as its 50-decimal approximation, so that pi/180 over pi/180 is exactly 1.
    return {BigNatural(1), BigNatural(1), 1};
}

ExactRatio operator*(const ExactRatio &a, const ExactRatio &b) {
    return {a.numerator_ * b.numerator_, a.denominator_ * b.denominator_, a.piPower_ + b.piPower_};
}

ExactRatio operator/(const ExactRatio &a, const ExactRatio &b) {
    return {a.numerator_ * b.denominator_, a.denominator_ * b.numerator_, a.piPower_ - b.piPower_};
}

ExactRatio ExactRatio::Power(int exponent) const {
    ExactRatio result;
    const ExactRatio base = exponent < 0 ? ExactRatio(denominator_, numerator_, -piPower_) : *this;
    for (int i = 0; i < (exponent < 0 ? -exponent : exponent); ++i) {
        result = result * base;
    }
    return result;
}

double ExactRatio::Nearest() const {
    BigNatural numerator = numerator_;
    BigNatural denominator = denominator_;
    const BigNatural piNumerator = BigNatural::FromDigits(kPiDigits);
    const BigNatural piDenominator = BigNatural::PowerOfTen(kPiDecimals);
    for (int i = 0; i < (piPower_ < 0 ? -piPower_ : piPower_); ++i) {
        numerator = numerator * (piPower_ > 0 ? piNumerator : piDenominator);
        denominator = denominator * (piPower_ > 0 ? piDenominator : piNumerator);
    }
    if (numerator.IsZero()) {
        return 0.0;
    }
    // A quotient of 55 or 56 bits: 53 for the mantissa, the rest and the remainder for the rounding.
    const int shift = kMantissaBits + 2 - (numerator.BitLength() - denominator.BitLength());
    if (shift >= 0) {
        numerator = numerator.ShiftedLeft(shift);
    } else {
        denominator = denominator.ShiftedLeft(-shift);
    }
    BigNatural quotient;
    BigNatural remainder;
    BigNatural::Divide(numerator, denominator, quotient, remainder);
    const int extra = quotient.BitLength() - kMantissaBits;
    std::uint64_t mantissa = quotient.ShiftedRight(extra).Low64();
    const std::uint64_t dropped = quotient.Low64() & ((std::uint64_t{1} << extra) - 1);
    const std::uint64_t half = std::uint64_t{1} << (extra - 1);
    if (dropped > half || (dropped == half && (!remainder.IsZero() || (mantissa & 1U) != 0))) {
        ++mantissa;
    }
    return std::ldexp(static_cast<double>(mantissa), extra - shift);
}

std::optional<std::string> ExactRatio::ExactDecimal() const {
    if (piPower_ != 0) {
        return std::nullopt;
    }
    // n/d with d = 2^a 5^b is n * 2^(k-a) 5^(k-b) / 10^k, k the larger of a and b.
    BigNatural rest = denominator_;
    const int twos = TakeFactors(rest, 2);
    const int fives = TakeFactors(rest, 5);
    if (!rest.IsOne()) {
        return std::nullopt;
    }
    const int decimals = twos > fives ? twos : fives;
    BigNatural scaled = numerator_;
    for (int i = twos; i < decimals; ++i) {
        scaled = scaled * BigNatural(2);
    }
    for (int i = fives; i < decimals; ++i) {
        scaled = scaled * BigNatural(5);
    }
    std::string digits = scaled.DecimalText();
    if (decimals == 0) {
        return digits;
    }
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return digits;
}

std::string ExactRatio::FractionText() const {
    std::string text = numerator_.DecimalText();
    if (!denominator_.IsOne()) {
        text += '/';
        text += denominator_.DecimalText();
    }
    for (int i = 0; i < (piPower_ < 0 ? -piPower_ : piPower_); ++i) {
        text += piPower_ > 0 ? " × π" : " / π";
    }
    return text;
}

} // namespace quorlex::definitions
