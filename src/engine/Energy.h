#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// Energy: joules, calories, kilojoules, BTU.
class Energy final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 4;

    Energy();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "Energy"; }
};

} // namespace quorlex
