#include "engine/FormulaConverter.h"

#include "errors/RuntimeError.h"

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
    const double result = Apply(from, to, NumericValue(StoredValue(), ClassName()));
    if (!std::isfinite(result)) {
        RaiseStandardError(kErrOverflow, ClassName());
    }
    return result;
}

} // namespace quorlex
