#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// FuelLoad: grams per square meter, megagrams per hectare, tons per acre, kilograms per square meter, pounds
// per square foot.
class FuelLoad final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 5;

    FuelLoad();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "FuelLoad"; }
};

} // namespace quorlex
