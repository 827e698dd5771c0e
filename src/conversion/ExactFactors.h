#pragma once

#include "definitions/ExactRatio.h"

#include <optional>
#include <string>

namespace quorlex::conversion {

// Where a conversion's factor comes from: the units' exact definitions (what the command line, the web
// page and the fire calculations use), or the window's factor tables (what the desktop program shows,
// for those who must reproduce it).
enum class Factors { Exact, Tables };

// Whether a category's units are converted by a factor with exact definitions; false for the categories
// worked by a formula (Temperature, Slope).
bool HasExactFactors(int category);

// The exact ratio of one unit of the category to another (how many TO units one FROM unit is): the ratio
// of their definitions. Nullopt for a category worked by a formula.
std::optional<definitions::ExactRatio> ExactRatioOf(int category, int from, int to);

// That ratio rounded once to the nearest double, worked out on first use and kept.
double ExactFactor(int category, int from, int to);

// The unit's definition as its symbol stands for it ("ton / ac"), empty for a unit worked by a formula.
std::string ExactExpressionOf(int category, int unit);

} // namespace quorlex::conversion
