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

FormulaConverter::Outcome Slope::Apply(std::int32_t from, std::int32_t /*to*/, double v) const {
    constexpr double pi = std::numbers::pi;
    if (from == kDegrees) {
        // The angle in radians, times 100, is the percent the tangent scales: its size bounds the noise.
        const double radians = v * pi / 180;
        return Outcome{std::tan(radians) * 100, radians * 100};
    }
    // Nothing is added or subtracted: the result's own digits are the ones to keep.
    return Outcome{std::atan(v / 100) * 180 / pi, 0.0};
}

} // namespace quorlex
