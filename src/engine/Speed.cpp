#include "engine/Speed.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Feet Per Minute",
     "ft/min",
     {},
     "1, 0.909090909, 0.508001532, 0.304800919, 0.018288055, 0.016666667, 0.011363636, 0.00987476, "
     "0.005080015"},
    {"- Chains Per Hour",
     "ch/h",
     {},
     "1.1, 1, 0.558801685, 0.335281011, 0.020116861, 0.018333333, 0.0125, 0.010862236, 0.005588017"},
    {"- Centimeters Per Second",
     "cm/s",
     {},
     "1.968498, 1.789543636, 1, 0.6, 0.036, 0.0328083, 0.022369295, 0.019438445, 0.01"},
    {"- Meters Per Minute",
     "m/min",
     {},
     "3.28083, 2.982572727, 1.666666667, 1, 0.06, 0.0546805, 0.037282159, 0.032397408, 0.016666667"},
    {"- Kilometers Per Hour",
     "km/h",
     {"kph"},
     "54.6805, 49.70954545, 27.77777778, 16.66666667, 1, 0.911341667, 0.621369318, 0.539956793, 0.277777778"},
    {"- Feet Per Second",
     "ft/s",
     {},
     "60, 54.54545455, 30.48009193, 18.28805516, 1.097283309, 1, 0.681818182, 0.592485577, 0.304800919"},
    {"- Miles Per Hour",
     "mi/h",
     {"mph"},
     "88, 80, 44.70413483, 26.8224809, 1.609348854, 1.466666667, 1, 0.868978846, 0.447041348"},
    {"- Knots",
     "kn",
     {"kt", "knot"},
     "101.268288, 92.06208, 51.44444546, 30.86666728, 1.852000037, 1.6878048, 1.150776, 1, 0.514444455"},
    {"- Meters Per Second",
     "m/s",
     {},
     "196.8498, 178.9543636, 100, 60, 3.6, 3.28083, 2.236929545, 1.943844454, 1"},
};

} // namespace

std::span<const UnitEntry> Speed::Units() {
    return kUnits;
}

std::string Speed::FactorText() {
    return JoinRows(Units());
}

Speed::Speed() : MatrixConverter(Units()) {}

} // namespace quorlex
