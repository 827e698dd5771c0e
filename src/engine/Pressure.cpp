#include "engine/Pressure.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (kilopascals, pascals, bar, pounds per square inch,
// atmospheres).
constexpr std::string_view kRow0 = " 1, 1000, 0.01, 0.145037738, 0.009869233,";   // kilopascals
constexpr std::string_view kRow1 = " 0.001, 1, 1E-05, 0.000145038, 9.86923E-06,"; // pascals
constexpr std::string_view kRow2 = " 100, 100000, 1, 14.50377377, 0.986923267,";  // bar
constexpr std::string_view kRow3 =
    " 6.894757293, 6894.757293, 0.068947573, 1, 0.068045963,";                // pounds per square inch
constexpr std::string_view kRow4 = " 101.325, 101325, 1.01325, 14.695949, 1"; // atmospheres

} // namespace

std::string Pressure::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3, kRow4});
}

Pressure::Pressure() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
