#include "engine/Pressure.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Kpa", "kPa", {}, "1, 1000, 0.01, 0.145037738, 0.009869233"},
    {"- PA", "Pa", {}, "0.001, 1, 1E-05, 0.000145038, 9.86923E-06"},
    {"- Barormetric", "bar", {}, "100, 100000, 1, 14.50377377, 0.986923267"},
    {"- Pounds Per Square Inch", "psi", {}, "6.894757293, 6894.757293, 0.068947573, 1, 0.068045963"},
    {"- Atmospheres", "atm", {}, "101.325, 101325, 1.01325, 14.695949, 1"},
};

} // namespace

std::span<const UnitEntry> Pressure::Units() {
    return kUnits;
}

std::string Pressure::FactorText() {
    return JoinRows(Units());
}

Pressure::Pressure() : MatrixConverter(Units()) {}

} // namespace quorlex
