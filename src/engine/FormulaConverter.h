#pragma once

#include "engine/ConverterBase.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace quorlex {

// A converter that works by formula rather than by its matrix: ConversionFactor is always 0 after Compute. A
// unit index outside the category gives an empty result; equal units give the stored value itself, whatever
// it holds; a result beyond the range of a double raises the overflow error (6).
//
// A formula that adds or subtracts a constant can leave rounding noise where the exact result is 0 or close
// to it (-459.67 Fahrenheit gives -5.7E-14 Kelvin). The result is therefore rounded to 15 significant digits
// of the largest magnitude among the result and the terms the formula adds or subtracts, each term measured
// in the result's unit (100 Fahrenheit enters Celsius as 100 x 5/9, not as 100). Noise below that vanishes,
// and a -0 is written as 0; ordinary small results keep their digits.
class FormulaConverter : public ConverterBase {
public:
    Variant Compute() override;

protected:
    // The matrix is loaded from the category's factor text, though Compute never reads it.
    FormulaConverter(std::span<const UnitEntry> units, std::string_view factorText);

    // What a formula gives: the converted value and the largest magnitude among the terms it added or
    // subtracted, the typed value's own term included, each in the result's unit (0 when it added none).
    struct Outcome {
        double value = 0.0;
        double largestTerm = 0.0;
    };

    // The value v in unit `from` converted to unit `to` (two different units of the category).
    virtual Outcome Apply(std::int32_t from, std::int32_t to, double v) const = 0;

    // r rounded to the last of the 15 significant digits of the larger of |r| and largestTerm; -0 is 0.
    static double WithoutNoise(Outcome outcome);

private:
    std::int32_t unitCount_;
};

} // namespace quorlex
