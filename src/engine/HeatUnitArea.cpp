#include "engine/HeatUnitArea.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Joules Per Square Foot", "J/ft2", {}, "1, 0.010757251, 0.000948, 0.002571564, 0.000257156"},
    {"- Kilojoules Per Square Meter", "kJ/m2", {}, "92.961, 1, 0.088114, 0.23905, 0.023905401"},
    {"- BTU Per Square Foot", "BTU/ft2", {}, "1055, 11.349, 1, 2.713, 0.2713"},
    {"- Kilocalories Per Square Meter", "kcal/m2", {}, "388.87, 4.1832, 0.36860, 1, 0.1"},
    {"- Calories Per Square Centimeter", "cal/cm2", {}, "3888.7, 41.832, 3.6860, 10, 1"},
};

} // namespace

std::span<const UnitEntry> HeatUnitArea::Units() {
    return kUnits;
}

std::string HeatUnitArea::FactorText() {
    return JoinRows(Units());
}

HeatUnitArea::HeatUnitArea() : MatrixConverter(Units()) {}

} // namespace quorlex
