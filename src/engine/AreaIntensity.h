#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// AreaIntensity: kilojoules per square meter per minute, kilowatts per square meter, BTU per square foot per
// second, calories per square centimeter per second.
class AreaIntensity final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 4;

    AreaIntensity();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "AreaIntensity"; }
};

} // namespace quorlex
