#pragma once

#include <array>

namespace quorlex {

// A finite, non-zero double rounded to 15 significant decimal digits: the value is
// d0.d1d2...d14 x 10^exponent, with d0 never '0'. Both the general text and the pattern rendering of a
// value start from this form, so the two always agree on the digits they show.
struct Decimal15 {
    bool negative = false;
    std::array<char, 15> digits{};
    int exponent = 0;
};

// Rounds a finite x to 15 significant digits, independent of the process locale. Zero (either sign) gives
// fifteen '0' digits and the exponent 0.
Decimal15 ToDecimal15(double x);

// The number of significant digits left when trailing zeros are dropped (at least 1).
int SignificantDigits(const Decimal15 &decimal);

} // namespace quorlex
