#pragma once

#include "numbers/DecimalDigits.h"

#include <string>
#include <string_view>

namespace quorlex {

// Renders v with a display pattern "########0" or "########0." followed by n zeros: rounded to n decimals
// with halves going away from zero, taken on the value's 15-significant-digit decimal form (so 1.005 with
// two places gives "1.01", as its general text suggests); the integer part in full with no grouping and at
// least one digit; a period and exactly n digits when n > 0; "-" before a negative value unless it
// rounds to zero. Never an exponent: 1E+20 with no places is "100000000000000000000".
//
// Raises the overflow error (6) for an infinity or NaN.
std::string RenderFixed(double v, int places);

// Appends RenderFixed of a finite value already rounded to 15 digits (RenderFixed without the rounding, for a
// caller that renders the same digits more than one way).
void AppendFixed(const Decimal15 &decimal, int places, std::string &text);

// The number of decimal places a display pattern asks for: the characters after its period.
int MaskPlaces(std::string_view mask);

// RenderFixed with the places of the pattern.
std::string RenderWithMask(double v, std::string_view mask);

} // namespace quorlex
