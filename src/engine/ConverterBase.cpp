#include "engine/ConverterBase.h"

#include "engine/LoadMatrix.h"
#include "errors/RuntimeError.h"

#include <cmath>
#include <string>

namespace quorlex {

ConverterBase::ConverterBase(std::int16_t n, std::string_view factorText) {
    LoadMatrix(matrix_, n, factorText);
}

std::string ConverterBase::JoinRows(std::span<const UnitEntry> units) {
    std::size_t length = 0;
    for (const auto &unit : units) {
        length += unit.factors.size() + 1;
    }
    std::string text;
    text.reserve(length);
    for (const auto &unit : units) {
        if (!text.empty()) {
            text += ',';
        }
        text += unit.factors;
    }
    return text;
}

MatrixConverter::MatrixConverter(std::span<const UnitEntry> units)
    : ConverterBase(static_cast<std::int16_t>(units.size()), JoinRows(units)) {}

Variant MatrixConverter::Compute() {
    const double value = NumericValue(StoredValue(), ClassName());
    if (!Matrix().Contains(SourceUnits(), DesiredUnits())) {
        RaiseStandardError(kErrSubscriptOutOfRange, ClassName());
    }
    const double factor = Matrix().At(SourceUnits(), DesiredUnits());
    const double result = value * factor;
    if (!std::isfinite(result)) {
        RaiseStandardError(kErrOverflow, ClassName());
    }
    SetConversionFactor(factor);
    return result;
}

} // namespace quorlex
