#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// BulkDensity: tons per acre-foot, kilograms per cubic meter, tons per acre-inch, pounds per cubic foot,
// grams per cubic centimeter.
class BulkDensity final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 5;

    BulkDensity();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "BulkDensity"; }
};

} // namespace quorlex
