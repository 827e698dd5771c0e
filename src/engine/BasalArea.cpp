#include "engine/BasalArea.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Square Feet Per Acre", "ft2/ac", {}, "1, 0.229568884"},
    {"- Square Meters Per Hectare", "m2/ha", {}, "4.355991026, 1"},
};

} // namespace

std::span<const UnitEntry> BasalArea::Units() {
    return kUnits;
}

std::string BasalArea::FactorText() {
    return JoinRows(Units());
}

BasalArea::BasalArea() : MatrixConverter(Units()) {}

} // namespace quorlex
