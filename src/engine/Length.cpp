#include "engine/Length.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (millimeters, centimeters, inches, feet, yards, meters,
// chains, kilometers, miles).
constexpr std::string_view kRow0 = " 1, 0.1, 0.039370079, 0.003280833, 0.001093613, 0.001, 4.97097E-05, "
                                   "0.000001, 6.21371E-07,"; // millimeters
constexpr std::string_view kRow1 =
    " 10, 1, 0.393700787, 0.032808334, 0.010936133, 0.01, 0.000497097, 0.00001, 6.21371E-06,"; // centimeters
constexpr std::string_view kRow2 = " 25.40005, 2.540005, 1.00000, 0.083333333, 0.027777832, 0.02540005, "
                                   "0.001262629, 2.54001E-05, 1.57829E-05,"; // inches
constexpr std::string_view kRow3 =
    " 304.8006, 30.48006, 12.000, 1, 0.33333399, 0.3048006, 0.015151545, 0.000304801, 0.000189394,"; // feet
constexpr std::string_view kRow4 =
    " 914.4018, 91.44018, 36.0000, 3, 1, 0.9144018, 0.045454635, 0.000914402, 0.000568183,"; // yards
constexpr std::string_view kRow5 =
    " 1000, 100, 39.37007874, 3.280833437, 1.093613298, 1, 0.049709695, 0.001, 0.000621371,"; // meters
constexpr std::string_view kRow6 = " 20116.8396, 2011.68396, 792.0015591, 66, 22.00004331, 20.1168396, 1, "
                                   "0.02011684, 0.012500025,"; // chains
constexpr std::string_view kRow7 = " 1000000, 100000, 39370.07874, 3280.833437, 1093.613298, 1000, "
                                   "49.70969538, 1, 0.621371194,"; // kilometers
constexpr std::string_view kRow8 = " 1609347.168, 160934.7168, 63360.12472, 5280, 1760.003465, 1609.347168, "
                                   "80.00015748, 1.609347168, 1"; // miles

} // namespace

std::string Length::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3, kRow4, kRow5, kRow6, kRow7, kRow8});
}

Length::Length() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
