#pragma once

#include "engine/ConverterBase.h"

#include <span>
#include <string>

namespace quorlex {

// HeatContent: converts by one factor per pair of units. Its units, with their names and factors, are listed
// in HeatContent.cpp.
class HeatContent final : public MatrixConverter {
public:
    static constexpr const char *kClassName = "HeatContent";

    HeatContent();

    // The units in list order, each with its row of factors.
    static std::span<const UnitEntry> Units();
    // The factor text, joined from the units' rows: N x N numbers separated by commas, row after row.
    static std::string FactorText();
    const char *ClassName() const override { return kClassName; }
};

} // namespace quorlex
