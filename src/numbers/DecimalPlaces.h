#pragma once

#include "numbers/DecimalDigits.h"

#include <string>
#include <string_view>

namespace quorlex {

// The most decimal places the window shows.
inline constexpr int kMaxDecimalPlaces = 25;

// The decimal places a converted result is shown with, from its general text: the number of digits after
// the period when its (at most 15) significant digits are written in fixed notation with trailing zeros
// dropped, at most kMaxDecimalPlaces. For a text in fixed notation that is the number of characters after
// its period ("0.03527" gives 5, "453.6" gives 1, "2" gives 0); a text in scientific notation counts the
// places its value needs ("1.5E-05" gives 6, "3.86113E-11" gives 16, "2.5E+20" gives 0).
int DecimalPlacesOfResult(std::string_view generalText);

// DecimalPlacesOfResult of the general text of a value already rounded to 15 digits, without writing the
// text: the significant digits after the first, less the exponent, within 0 to kMaxDecimalPlaces.
int DecimalPlacesOf(const Decimal15 &decimal);

// The display pattern for n decimal places: "########0", followed for n > 0 by "." and n zeros.
std::string FormatMaskFor(int places);

// Whether a shown result is too long to be shown right-justified in the result label: a text longer than
// 12 characters is left-justified, so that its beginning stays visible.
bool ShowsLeftJustified(std::string_view shownText);

} // namespace quorlex
