#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// Area: square centimeters, square inches, square feet, square yards, square meters, acres, hectares, square
// kilometers, square miles.
class Area final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 9;

    Area();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "Area"; }
};

} // namespace quorlex
