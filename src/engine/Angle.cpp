#include "engine/Angle.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Degrees", "deg", {"°"}, "1, 0.017453293"},
    {"- Radians", "rad", {}, "57.29577951, 1"},
};

} // namespace

std::span<const UnitEntry> Angle::Units() {
    return kUnits;
}

std::string Angle::FactorText() {
    return JoinRows(Units());
}

Angle::Angle() : MatrixConverter(Units()) {}

} // namespace quorlex
