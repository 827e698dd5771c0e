#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// Pressure: kilopascals, pascals, bar, pounds per square inch, atmospheres.
class Pressure final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 5;

    Pressure();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "Pressure"; }
};

} // namespace quorlex
