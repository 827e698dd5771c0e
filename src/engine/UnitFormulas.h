#pragma once

#include "engine/Formula.h"

#include <optional>
#include <string>

namespace quorlex {

// The formula a category that converts by formula (Temperature, Slope) applies to a value of unit `from`
// to give unit `to`, over the units' signs ("°C", "K", "%"); nullopt for the categories that convert by
// factor. A unit to itself is the quantity itself.
std::optional<Formula> UnitFormula(int category, int from, int to);

// The same formula as the user reads it, the result's unit on the left: "°F = °C × 9/5 + 32",
// "°C = °C"; empty for the categories that convert by factor.
std::string UnitFormulaText(int category, int from, int to);

} // namespace quorlex
