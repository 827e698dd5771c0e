#include "engine/Slope.h"

#include "engine/AngleFactors.h"
#include "errors/RuntimeError.h"

#include <cmath>
#include <numbers>
#include <string>

namespace quorlex {

std::string Slope::FactorText() {
    return JoinPieces({kAngleFactors});
}

Slope::Slope() : ConverterBase(kUnits, FactorText()) {}

Variant Slope::Compute() {
    const std::int32_t from = SourceUnits();
    const std::int32_t to = DesiredUnits();
    if (from < 0 || from >= kUnits || to < 0 || to >= kUnits) {
        SetConversionFactor(0.0);
        return Variant{};
    }
    if (from == to) {
        SetConversionFactor(0.0);
        return StoredValue();
    }

    const double v = NumericValue(StoredValue(), ClassName());
    constexpr double pi = std::numbers::pi;
    const double result = from == 0 ? std::tan(v * pi / 180) * 100 : std::atan(v / 100) * 180 / pi;
    if (!std::isfinite(result)) {
        RaiseStandardError(kErrOverflow, ClassName());
    }
    SetConversionFactor(0.0);
    return result;
}

} // namespace quorlex
