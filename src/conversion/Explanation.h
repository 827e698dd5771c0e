#pragma once

#include "conversion/ExactFactors.h"
#include "conversion/ValueText.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorlex::conversion {

// How a conversion is worked out, one line of text each, for a reader who wants to check it:
//
//   - the value and its result ("1 BTU/lb = 2.326 kJ/kg"), by the factors asked for; no such line for a
//     value that is not a number or whose result is refused;
//   - for a category converted by a factor: what each unit's symbol stands for, every unit named on the way
//     down to the SI base units with its definition and its source, the exact factor (its exact decimal
//     where it has one, else its fraction and 15 significant digits), the window's table factor with its
//     relative difference from the exact one, which of the two the result used, and a note where a reader
//     may expect another figure (a calorie other than the thermochemical one);
//   - for temperature and slope: that the conversion is a formula, the formula, and where it comes from.
//
// The value and the result are written with the decimal mark; everything else with a period, as the
// definitions are. The command line prints these lines after the result; the web page shows them too.
std::vector<std::string> ExplainConversion(int category, int from, int to, std::string_view value,
                                           Factors factors = Factors::Exact,
                                           DecimalMark mark = DecimalMark::Period);

} // namespace quorlex::conversion
