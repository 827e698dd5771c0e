#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// Length: millimeters, centimeters, inches, feet, yards, meters, chains, kilometers, miles.
class Length final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 9;

    Length();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "Length"; }
};

} // namespace quorlex
