#pragma once

#include "numbers/DecimalDigits.h"

#include <string>

namespace quorlex {

// The general text of a double: at most 15 significant digits, trailing zeros dropped, a period as the
// decimal point whatever the locale, no grouping, "-" for negative values. Fixed notation when
// 0.0001 <= |x| < 1E+15 after rounding, otherwise mantissa, "E", sign and at least two exponent digits
// ("1.5E-05", "1E+15"). Zero, negative zero included, is "0".
//
// Raises the overflow error (6) for an infinity or NaN: such a value is never shown to anyone.
std::string GeneralText(double x);

// Appends the general text of a non-zero value already rounded to 15 digits (GeneralText without the
// rounding, for a caller that renders the same digits more than one way).
void AppendGeneralText(const Decimal15 &decimal, std::string &text);

} // namespace quorlex
