#include "engine/HeatContent.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Kilojoules Per Kilogram", "kJ/kg", {}, "1, 0.430265351, 0.23901"},
    {"- BTUs Per Pound", "BTU/lb", {}, "2.324147175, 1, 0.555494416"},
    {"- Calories Per Gram", "cal/g", {}, "4.183925359, 1.800198113, 1"},
};

} // namespace

std::span<const UnitEntry> HeatContent::Units() {
    return kUnits;
}

std::string HeatContent::FactorText() {
    return JoinRows(Units());
}

HeatContent::HeatContent() : MatrixConverter(Units()) {}

} // namespace quorlex
