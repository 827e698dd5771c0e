#include "engine/FuelLoad.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Grams Per Square Meter", "g/m2", {}, "1, 0.01, 0.0044609, 0.001, 0.000204816"},
    {"- Megagrams Per Hectare", "Mg/ha", {"tonne/ha"}, "100, 1, 0.446090021, 0.1, 0.020481635"},
    {"- Tons Per Acre", "ton/ac", {}, "224.17, 2.2417, 1, 0.22417, 0.045913682"},
    {"- KiloGrams Per Square Meter", "kg/m2", {}, "1000, 10, 4.46090021, 1, 0.204816355"},
    {"- Pounds Per Square Foot", "lb/ft2", {}, "4882.4226, 48.824226, 21.78, 4.8824226, 1"},
};

} // namespace

std::span<const UnitEntry> FuelLoad::Units() {
    return kUnits;
}

std::string FuelLoad::FactorText() {
    return JoinRows(Units());
}

FuelLoad::FuelLoad() : MatrixConverter(Units()) {}

} // namespace quorlex
