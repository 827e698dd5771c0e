#pragma once

#include "engine/Variant.h"

#include <cstdint>

namespace quorlex {

// What every unit converter offers: the two unit indexes, the factor of the last conversion, the value to
// convert and the conversion itself. Unit indexes are the positions of the category's units (0 first).
class UnitConverter {
public:
    virtual ~UnitConverter() = default;

    virtual std::int32_t SourceUnits() const = 0;
    virtual void SetSourceUnits(std::int32_t units) = 0;
    virtual std::int32_t DesiredUnits() const = 0;
    virtual void SetDesiredUnits(std::int32_t units) = 0;
    virtual double ConversionFactor() const = 0;
    virtual void SetConversionFactor(double factor) = 0;

    // Stores a copy of a value (let) or an object reference (set); the get hands back what is stored.
    virtual void LetSourceValue(const Variant &value) = 0;
    virtual void SetSourceValue(const ObjectReference &object) = 0;
    virtual Variant SourceValue() const = 0;

    // Converts the stored value from the source to the desired unit and records the factor used.
    virtual Variant Compute() = 0;

    // The class name, used as the source of the errors a converter raises.
    virtual const char *ClassName() const = 0;
};

} // namespace quorlex
