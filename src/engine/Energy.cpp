#include "engine/Energy.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Joules ", "J", {}, "1, 0.239005736, 0.001, 0.000948452"},
    {"- Calories", "cal", {}, "4.184, 1, 0.004184, 0.003968322"},
    {"- Kilojoules", "kJ", {}, "1000, 239.0057361, 1, 0.948451653"},
    {"- BTUs", "BTU", {}, "1054.35, 251.9956979, 1.05435, 1"},
};

} // namespace

std::span<const UnitEntry> Energy::Units() {
    return kUnits;
}

std::string Energy::FactorText() {
    return JoinRows(Units());
}

Energy::Energy() : MatrixConverter(Units()) {}

} // namespace quorlex
