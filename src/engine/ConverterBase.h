#pragma once

#include "engine/ConversionMatrix.h"
#include "engine/UnitConverter.h"
#include "engine/UnitEntry.h"

#include <span>
#include <string>
#include <string_view>

namespace quorlex {

// The state every converter keeps: unit indexes, last factor, stored value and the conversion matrix that
// its constructor loads from the class's factor text.
class ConverterBase : public UnitConverter {
public:
    std::int32_t SourceUnits() const override { return sourceUnits_; }
    void SetSourceUnits(std::int32_t units) override { sourceUnits_ = units; }
    std::int32_t DesiredUnits() const override { return desiredUnits_; }
    void SetDesiredUnits(std::int32_t units) override { desiredUnits_ = units; }
    double ConversionFactor() const override { return conversionFactor_; }
    void SetConversionFactor(double factor) override { conversionFactor_ = factor; }

    void LetSourceValue(const Variant &value) override { sourceValue_ = value; }
    void SetSourceValue(const ObjectReference &object) override { sourceValue_ = object; }
    Variant SourceValue() const override { return sourceValue_; }

    const ConversionMatrix &Matrix() const noexcept { return matrix_; }

protected:
    // Loads the n x n conversion matrix from the class's factor text.
    ConverterBase(std::int16_t n, std::string_view factorText);

    // The factor text of a category's units: their rows joined in list order, separated by commas.
    static std::string JoinRows(std::span<const UnitEntry> units);

    const Variant &StoredValue() const noexcept { return sourceValue_; }

private:
    std::int32_t sourceUnits_ = 0;
    std::int32_t desiredUnits_ = 0;
    double conversionFactor_ = 0.0;
    ConversionMatrix matrix_;
    Variant sourceValue_;
};

// A converter whose result is the value times one matrix element: [SourceUnits][DesiredUnits].
class MatrixConverter : public ConverterBase {
public:
    Variant Compute() override;

protected:
    // Loads the matrix from the units' rows of factors: one row and one column per unit.
    explicit MatrixConverter(std::span<const UnitEntry> units);
};

} // namespace quorlex
