#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// HeatUnitArea: joules per square foot, kilojoules per square meter, BTU per square foot, kilocalories per
// square meter, calories per square centimeter.
class HeatUnitArea final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 5;

    HeatUnitArea();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "HeatUnitArea"; }
};

} // namespace quorlex
