#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// FireLineIntensity: joules per foot per second, calories per centimeter per second, kilowatts per meter, BTU
// per foot per second, kilocalories per meter per second.
class FireLineIntensity final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 5;

    FireLineIntensity();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "FireLineIntensity"; }
};

} // namespace quorlex
