#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// Slope: degrees, percent (rise over run times 100). Converts by formula: ConversionFactor is always 0
// after Compute. A unit index outside 0..1 gives an empty result; equal units give the stored value itself.
class Slope final : public ConverterBase {
public:
    static constexpr std::int16_t kUnits = 2;

    Slope();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    Variant Compute() override;
    const char *ClassName() const override { return "Slope"; }
};

} // namespace quorlex
