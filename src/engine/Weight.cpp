#include "engine/Weight.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Grams", "g", {}, "1, 0.03527, 0.002204623, 0.001, 1.102E-06, 1.000E-06"},
    {"- Ounces", "oz", {}, "28.35, 1, 0.06250, 0.02835, 3.125E-05, 2.835E-05"},
    {"- Pounds", "lb", {}, "453.6, 16, 1, 0.4536, 5.000E-04, 4.536E-04"},
    {"- KiloGrams", "kg", {}, "1000, 35.27, 2.205, 1, 0.001102311, 0.001"},
    {"- Tons", "ton", {}, "907185, 32000, 2000, 907, 1, 0.9072"}, // the short ton, 2000 pounds
    {"- MegaGrams", "Mg", {"tonne"}, "1000000, 35274, 2205, 1000, 1.102, 1"},
};

} // namespace

std::span<const UnitEntry> Weight::Units() {
    return kUnits;
}

std::string Weight::FactorText() {
    return JoinRows(Units());
}

Weight::Weight() : MatrixConverter(Units()) {}

Weight::~Weight() = default;

} // namespace quorlex
