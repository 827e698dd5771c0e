#pragma once

#include "definitions/BigNatural.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorlex::definitions {

// A positive exact number: a ratio of naturals, times a power of pi (the degree is pi/180 rad). Kept in
// lowest terms, so that equal numbers compare equal.
class ExactRatio {
public:
    ExactRatio() : numerator_(1), denominator_(1) {}
    ExactRatio(BigNatural numerator, BigNatural denominator, int piPower = 0);

    // A terminating decimal written with digits and at most one period ("0.3048", "1055.05585262",
    // "5280"); nullopt for any other text.
    static std::optional<ExactRatio> FromDecimal(std::string_view text);
    static ExactRatio Pi();

    friend ExactRatio operator*(const ExactRatio &a, const ExactRatio &b);
    friend ExactRatio operator/(const ExactRatio &a, const ExactRatio &b);
    ExactRatio Power(int exponent) const;

    const BigNatural &Numerator() const noexcept { return numerator_; }
    const BigNatural &Denominator() const noexcept { return denominator_; }
    int PiPower() const noexcept { return piPower_; }
    friend bool operator==(const ExactRatio &a, const ExactRatio &b) noexcept {
        return a.piPower_ == b.piPower_ && a.numerator_ == b.numerator_ && a.denominator_ == b.denominator_;
    }

    // The double nearest the number, ties to even: the one rounding an exact factor gets. A power of pi
    // is worked with pi to 50 decimals, far closer than half a unit in the last place of any double here.
    double Nearest() const;

    // The number's exact decimal text where it has one ("2.326", "0.3048"): no power of pi, and a
    // denominator of twos and fives alone. Nullopt otherwise.
    std::optional<std::string> ExactDecimal() const;
    // "a/b" in lowest terms, with " × π" or " / π" for a power of pi; "a" for a whole number.
    std::string FractionText() const;

private:
    void Reduce();

    BigNatural numerator_;
    BigNatural denominator_;
    int piPower_ = 0;
};

} // namespace quorlex::definitions
