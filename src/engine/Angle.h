#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// Angle: degrees, radians.
class Angle final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 2;

    Angle();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "Angle"; }
};

} // namespace quorlex
