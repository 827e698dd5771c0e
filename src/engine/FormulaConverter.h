#pragma once

#include "engine/ConverterBase.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace quorlex {

// A converter that works by formula rather than by its matrix: ConversionFactor is always 0 after Compute. A
// unit index outside the category gives an empty result; equal units give the stored value itself, whatever
// it holds; a result beyond the range of a double raises the overflow error (6).
class FormulaConverter : public ConverterBase {
public:
    Variant Compute() override;

protected:
    // The matrix is loaded from the category's factor text, though Compute never reads it.
    FormulaConverter(std::span<const UnitEntry> units, std::string_view factorText);

    // The value v in unit `from` converted to unit `to` (two different units of the category).
    virtual double Apply(std::int32_t from, std::int32_t to, double v) const = 0;

private:
    std::int32_t unitCount_;
};

} // namespace quorlex
