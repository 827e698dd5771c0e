#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// Speed: feet per minute, chains per hour, centimeters per second, meters per minute, kilometers per hour,
// feet per second, miles per hour, knots, meters per second.
class Speed final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 9;

    Speed();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "Speed"; }
};

} // namespace quorlex
