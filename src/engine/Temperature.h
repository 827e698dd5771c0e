#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// Temperature: Fahrenheit, Celsius, Kelvin. Converts by formula, not by factor: ConversionFactor is always
// 0 after Compute. A unit index outside 0..2 gives an empty result; equal units give the stored value
// itself.
class Temperature final : public ConverterBase {
public:
    static constexpr std::int16_t kUnits = 3;

    Temperature();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    Variant Compute() override;
    const char *ClassName() const override { return "Temperature"; }
};

} // namespace quorlex
