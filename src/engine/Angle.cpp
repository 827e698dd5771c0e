#include "engine/Angle.h"

#include "engine/AngleFactors.h"

#include <string>

namespace quorlex {

std::string Angle::FactorText() {
    return JoinPieces({kAngleFactors});
}

Angle::Angle() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
