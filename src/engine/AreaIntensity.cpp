#include "engine/AreaIntensity.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Kilojoules Per Square Meter Per Minute", "kJ/m2/min", {}, "1, 0.016666667, 0.001468574, 0.00039835"},
    {"- Kilowatts Per Square Meters", "kW/m2", {}, "60, 1, 0.08811446, 0.023901"},
    {"- BTUs Per Square Foot Per Second", "BTU/ft2/s", {}, "680.9325021, 11.34887503, 1, 0.271249462"},
    {"- Calories Per Square Centimeter Per Second",
     "cal/cm2/s",
     {},
     "2510.355215, 41.83925359, 3.686643254, 1"},
};

} // namespace

std::span<const UnitEntry> AreaIntensity::Units() {
    return kUnits;
}

std::string AreaIntensity::FactorText() {
    return JoinRows(Units());
}

AreaIntensity::AreaIntensity() : MatrixConverter(Units()) {}

} // namespace quorlex
