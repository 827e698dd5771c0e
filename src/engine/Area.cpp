#include "engine/Area.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Square Centimeters",
     "cm2",
     {},
     "1, 0.1549997, 0.001076387, 0.000119599, 0.0001, 2.47104E-08, 1E-08, 1E-10, 3.86113E-11"},
    {"- Square Inches",
     "in2",
     {},
     "6.4516254, 1, 0.006944444, 0.000771605, 0.000645163, 1.59423E-07, 6.45163E-08, 6.45165E-10, "
     "2.49106E-10"},
    {"- Square Feet",
     "ft2",
     {},
     "929.0340576, 144, 1, 0.111111111, 0.092903406, 2.29568E-05, 9.29034E-06, 9.29038E-08, 3.58712E-08"},
    {"- Square Yards",
     "yd2",
     {},
     "8361.306518, 1296, 9, 1, 0.836130652, 0.000206612, 8.36131E-05, 8.36134E-07, 3.22841E-07"},
    {"- Square Meters",
     "m2",
     {},
     "10000, 1549.996998, 10.76386804, 1.195985338, 1, 0.000247104, 0.0001, 1E-06, 3.86113E-07"},
    {"- Acres",
     "ac",
     {},
     "40468723.55, 6272640, 43560, 4840, 4046.872355, 1, 0.404687251, 0.004046891, 0.001562551"},
    {"- Hectares",
     "ha",
     {},
     "100000000, 15499969.98, 107638.6804, 11959.85338, 10000, 2.471044147, 1, 0.010000045, 0.003861134"},
    {"- Square Kilometers",
     "km2",
     {},
     "10000000000, 1549996998, 10763868.04, 1195985.338, 1000000, 247.1044147, 100.0000038, 1, 0.386113364"},
    {"- Square Miles",
     "mi2",
     {},
     "25899983071, 4014489600, 27878400, 3097600, 2589998.307, 640.0000158, 258.9998406, 2.590010023, 1"},
};

} // namespace

std::span<const UnitEntry> Area::Units() {
    return kUnits;
}

std::string Area::FactorText() {
    return JoinRows(Units());
}

Area::Area() : MatrixConverter(Units()) {}

} // namespace quorlex
