#include "engine/FormulaConverter.h"

#include "errors/RuntimeError.h"

#include <algorithm>
#include <cmath>

namespace quorlex {

FormulaConverter::FormulaConverter(std::span<const UnitEntry> units, std::string_view factorText)
    : ConverterBase(static_cast<std::int16_t>(units.size()), factorText),
      unitCount_(static_cast<std::int32_t>(units.size())) {}

Variant FormulaConverter::Compute() {
    const std::int32_t from = SourceUnits();
    const std::int32_t to = DesiredUnits();
    SetConversionFactor(0.0);
    if (from < 0 || from >= unitCount_ || to < 0 || to >= unitCount_) {
        return Variant{};
    }
    if (from == to) {
        return StoredValue();
    }
    const double v = NumericValue(StoredValue(), ClassName());
    // A result next to the largest double can round past it in its 15th digit: that is as much an
    // overflow as the formula's own.
    const double result = WithoutNoise(v, Apply(from, to, v));
    if (!std::isfinite(result)) {
        RaiseStandardError(kErrOverflow, ClassName());
    }
    return result;
}

double FormulaConverter::WithoutNoise(double v, Outcome outcome) {
    const double r = outcome.value;
    const double largest = std::max({std::fabs(v), std::fabs(r), std::fabs(outcome.largestTerm)});
    if (largest == 0.0 || !std::isfinite(largest)) {
        return r == 0.0 ? 0.0 : r;
    }
    // The unit of the 15th significant digit of the largest magnitude is 10^e; scaling by an exact power
    // of ten (or dividing by it) keeps the rounding to that decimal place exact.
    const int e = static_cast<int>(std::floor(std::log10(largest))) - 14;
    double rounded = 0.0;
    if (e < 0) {
        const double scale = std::pow(10.0, -e);
        const double scaled = r * scale;
        rounded = std::isfinite(scaled) ? std::round(scaled) / scale : r;
    } else {
        const double unit = std::pow(10.0, e);
        rounded = std::round(r / unit) * unit;
    }
    return rounded == 0.0 ? 0.0 : rounded;
}

} // namespace quorlex
