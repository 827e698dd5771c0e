#include "engine/ConverterBase.h"

#include "engine/LoadMatrix.h"
#include "errors/RuntimeError.h"

#include <cmath>
#include <string>

namespace quorlex {

ConverterBase::ConverterBase(std::int16_t n, std::string_view factorText) {
    LoadMatrix(matrix_, n, factorText);
}

std::string ConverterBase::JoinPieces(std::initializer_list<std::string_view> pieces) {
    std::size_t length = 0;
    for (const auto piece : pieces) {
        length += piece.size();
    }
    std::string text;
    text.reserve(length);
    for (const auto piece : pieces) {
        text += piece;
    }
    return text;
}

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
