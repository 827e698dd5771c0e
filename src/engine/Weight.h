#pragma once

#include "engine/ConverterBase.h"

#include <string>

namespace quorlex {

// Weight: grams, ounces, pounds, kilograms, tons (2000 pounds), megagrams.
class Weight final : public MatrixConverter {
public:
    static constexpr std::int16_t kUnits = 6;

    Weight();

    // The factor text, joined from its rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    ~Weight() override;
    const char *ClassName() const override { return "Weight"; }
};

} // namespace quorlex
