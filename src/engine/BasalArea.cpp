#include "engine/BasalArea.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row by row: one unit of the row in each unit of the columns (square feet per acre, square meters per
// hectare).
constexpr std::string_view kFactors = " 1, 0.229568884, 4.355991026, 1";

} // namespace

std::string BasalArea::FactorText() {
    return JoinPieces({kFactors});
}

BasalArea::BasalArea() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
