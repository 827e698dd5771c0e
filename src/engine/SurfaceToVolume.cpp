#include "engine/SurfaceToVolume.h"

#include <span>
#include <string>

namespace quorlex {

namespace {

// The units in list order: list text, symbol, aliases, and the row of factors (one of this unit expressed
// in each unit of the list).
constexpr UnitEntry kUnits[] = {
    {"- Sq. ft. per cu. ft.", "1/ft", {"ft2/ft3"}, "1, 3.280839895"},
    {"- Sq. m. per Cu. m.", "1/m", {"m2/m3"}, "0.3048, 1"},
};

} // namespace

std::span<const UnitEntry> SurfaceToVolume::Units() {
    return kUnits;
}

std::string SurfaceToVolume::FactorText() {
    return JoinRows(Units());
}

SurfaceToVolume::SurfaceToVolume() : MatrixConverter(Units()) {}

} // namespace quorlex
