#include "engine/Slope.h"

#include "engine/Angle.h"

#include <cmath>
#include <numbers>
#include <string>

namespace quorlex {

namespace {

constexpr UnitEntry kUnits[] = {
    {"- Degrees", "deg", {"°"}, {}},
    {"- Percent", "%", {"percent", "pct"}, {}},
};

constexpr std::int32_t kDegrees = 0; // the other unit is percent

} // namespace

std::span<const UnitEntry> Slope::Units() {
    return kUnits;
}

std::string Slope::FactorText() {
    return Angle::FactorText();
}

Slope::Slope() : FormulaConverter(Units(), FactorText()) {}

double Slope::Apply(std::int32_t from, std::int32_t /*to*/, double v) const {
    constexpr double pi = std::numbers::pi;
    return from == kDegrees ? std::tan(v * pi / 180) * 100 : std::atan(v / 100) * 180 / pi;
}

} // namespace quorlex
