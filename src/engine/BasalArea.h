#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// BasalArea: square feet per acre, square meters per hectare.
class BasalArea final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 2;

    BasalArea();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "BasalArea"; }
};

} // namespace quorlex
