#include "engine/FireLineIntensity.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Joules Per Foot Per Second", "J/ft/s", {}, "1, 0.00784138, 0.00328083, 0.000948452, 0.000784138"},
    {"- Calories Per Centimeter Per Second", "cal/cm/s", {}, "127.528571, 1, 0.418399562, 0.120954684, 0.1"},
    {"- Kilowatts Per Meter", "kW/m", {}, "304.8009193, 2.390059865, 1, 0.289088936, 0.239005986"},
    {"- BTUs Per Foot Per Second", "BTU/ft/s", {}, "1054.35, 8.267559116, 3.459143111, 1, 0.826755912"},
    {"- Kilocalories Per Meter Per Second", "kcal/m/s", {}, "1275.28571, 10, 4.183995617, 1.20954684, 1"},
};

} // namespace

std::span<const UnitEntry> FireLineIntensity::Units() {
    return kUnits;
}

std::string FireLineIntensity::FactorText() {
    return JoinRows(Units());
}

FireLineIntensity::FireLineIntensity() : MatrixConverter(Units()) {}

} // namespace quorlex
