#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// HeatContent: kilojoules per kilogram, BTU per pound, calories per gram.
class HeatContent final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 3;

    HeatContent();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return "HeatContent"; }
};

} // namespace quorlex
