#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// SurfaceToVolume: square feet per cubic foot, square meters per cubic meter.
class SurfaceToVolume final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 2;

    SurfaceToVolume();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "SurfaceToVolume"; }
};

} // namespace quorlex
