#include "engine/HeatContent.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (kilojoules per kilogram, BTU per pound, calories per
// gram).
constexpr std::string_view kRow0 = " 1, 0.430265351, 0.23901,";     // kilojoules per kilogram
constexpr std::string_view kRow1 = " 2.324147175, 1, 0.555494416,"; // BTU per pound
constexpr std::string_view kRow2 = " 4.183925359, 1.800198113, 1";  // calories per gram

} // namespace

std::string HeatContent::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2});
}

HeatContent::HeatContent() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
