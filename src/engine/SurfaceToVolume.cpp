#include "engine/SurfaceToVolume.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row by row: one unit of the row in each unit of the columns (square feet per cubic foot, square meters per
// cubic meter).
constexpr std::string_view kFactors = " 1, 3.280839895, 0.3048, 1";

} // namespace

std::string SurfaceToVolume::FactorText() {
    return JoinPieces({kFactors});
}

SurfaceToVolume::SurfaceToVolume() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
