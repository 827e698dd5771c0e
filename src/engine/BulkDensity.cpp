#include "engine/BulkDensity.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Tons Per Acre Foot", "ton/ac-ft", {}, "1, 0.73546753, 0.083333333, 0.045913682, 0.000735468"},
    {"- Kilograms Per Cubicmeter", "kg/m3", {}, "1.359679332, 1, 0.113306611, 0.062427885, 0.001"},
    {"- Tons Per Acre Inch", "ton/ac-in", {}, "12, 8.825610362, 1, 0.550964187, 0.00882561"},
    {"- Pounds Per Cubic Feet", "lb/ft3", {}, "21.78, 16.01848281, 1.815, 1, 0.016018483"},
    {"- Grams Per Cubic Centimeter", "g/cm3", {}, "1359.679332, 1000, 113.306611, 62.42788484, 1"},
};

} // namespace

std::span<const UnitEntry> BulkDensity::Units() {
    return kUnits;
}

std::string BulkDensity::FactorText() {
    return JoinRows(Units());
}

BulkDensity::BulkDensity() : MatrixConverter(Units()) {}

} // namespace quorlex
