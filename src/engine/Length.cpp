#include "engine/Length.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Millimeters",
     "mm",
     {},
     "1, 0.1, 0.039370079, 0.003280833, 0.001093613, 0.001, 4.97097E-05, 0.000001, 6.21371E-07"},
    {"- Centimeters",
     "cm",
     {},
     "10, 1, 0.393700787, 0.032808334, 0.010936133, 0.01, 0.000497097, 0.00001, 6.21371E-06"},
    {"- Inches",
     "in",
     {},
     "25.40005, 2.540005, 1.00000, 0.083333333, 0.027777832, 0.02540005, 0.001262629, 2.54001E-05, "
     "1.57829E-05"},
    {"- Feet",
     "ft",
     {},
     "304.8006, 30.48006, 12.000, 1, 0.33333399, 0.3048006, 0.015151545, 0.000304801, 0.000189394"},
    {"- Yards",
     "yd",
     {},
     "914.4018, 91.44018, 36.0000, 3, 1, 0.9144018, 0.045454635, 0.000914402, 0.000568183"},
    {"- Meters",
     "m",
     {},
     "1000, 100, 39.37007874, 3.280833437, 1.093613298, 1, 0.049709695, 0.001, 0.000621371"},
    {"- Chains",
     "ch",
     {},
     "20116.8396, 2011.68396, 792.0015591, 66, 22.00004331, 20.1168396, 1, 0.02011684, 0.012500025"},
    {"- Kilometers",
     "km",
     {},
     "1000000, 100000, 39370.07874, 3280.833437, 1093.613298, 1000, 49.70969538, 1, 0.621371194"},
    {"- Miles",
     "mi",
     {},
     "1609347.168, 160934.7168, 63360.12472, 5280, 1760.003465, 1609.347168, 80.00015748, 1.609347168, 1"},
};

} // namespace

std::span<const UnitEntry> Length::Units() {
    return kUnits;
}

std::string Length::FactorText() {
    return JoinRows(Units());
}

Length::Length() : MatrixConverter(Units()) {}

} // namespace quorlex
