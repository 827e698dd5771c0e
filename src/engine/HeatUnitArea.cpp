#include "engine/HeatUnitArea.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (joules per square foot, kilojoules per square meter,
// BTU per square foot, kilocalories per square meter, calories per square centimeter).
constexpr std::string_view kRow0 =
    " 1, 0.010757251, 0.000948, 0.002571564, 0.000257156,"; // joules per square foot
constexpr std::string_view kRow1 =
    " 92.961, 1, 0.088114, 0.23905, 0.023905401,";                      // kilojoules per square meter
constexpr std::string_view kRow2 = " 1055, 11.349, 1, 2.713, 0.2713,";  // BTU per square foot
constexpr std::string_view kRow3 = " 388.87, 4.1832, 0.36860, 1, 0.1,"; // kilocalories per square meter
constexpr std::string_view kRow4 = " 3888.7, 41.832, 3.6860, 10, 1";    // calories per square centimeter

} // namespace

std::string HeatUnitArea::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3, kRow4});
}

HeatUnitArea::HeatUnitArea() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
