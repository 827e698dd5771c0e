#include "engine/BulkDensity.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (tons per acre-foot, kilograms per cubic meter, tons per
// acre-inch, pounds per cubic foot, grams per cubic centimeter).
constexpr std::string_view kRow0 =
    " 1, 0.73546753, 0.083333333, 0.045913682, 0.000735468,"; // tons per acre-foot
constexpr std::string_view kRow1 =
    " 1.359679332, 1, 0.113306611, 0.062427885, 0.001,"; // kilograms per cubic meter
constexpr std::string_view kRow2 = " 12, 8.825610362, 1, 0.550964187, 0.00882561,"; // tons per acre-inch
constexpr std::string_view kRow3 = " 21.78, 16.01848281, 1.815, 1, 0.016018483,";   // pounds per cubic foot
constexpr std::string_view kRow4 =
    " 1359.679332, 1000, 113.306611, 62.42788484, 1"; // grams per cubic centimeter

} // namespace

std::string BulkDensity::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3, kRow4});
}

BulkDensity::BulkDensity() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
