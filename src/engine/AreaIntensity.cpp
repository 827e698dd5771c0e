#include "engine/AreaIntensity.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (kilojoules per square meter per minute, kilowatts per
// square meter, BTU per square foot per second, calories per square centimeter per second).
constexpr std::string_view kRow0 =
    " 1, 0.016666667, 0.001468574, 0.00039835,";                    // kilojoules per square meter per minute
constexpr std::string_view kRow1 = " 60, 1, 0.08811446, 0.023901,"; // kilowatts per square meter
constexpr std::string_view kRow2 =
    " 680.9325021, 11.34887503, 1, 0.271249462,"; // BTU per square foot per second
constexpr std::string_view kRow3 =
    " 2510.355215, 41.83925359, 3.686643254, 1"; // calories per square centimeter per second

} // namespace

std::string AreaIntensity::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3});
}

AreaIntensity::AreaIntensity() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
