#include "engine/Energy.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (joules, calories, kilojoules, BTU).
constexpr std::string_view kRow0 = " 1, 0.239005736, 0.001, 0.000948452,"; // joules
constexpr std::string_view kRow1 = " 4.184, 1, 0.004184, 0.003968322,";    // calories
constexpr std::string_view kRow2 = " 1000, 239.0057361, 1, 0.948451653,";  // kilojoules
constexpr std::string_view kRow3 = " 1054.35, 251.9956979, 1.05435, 1";    // BTU

} // namespace

std::string Energy::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3});
}

Energy::Energy() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
