#pragma once

#include "engine/FormulaConverter.h"

#include <span>
#include <string>

namespace quorlex {

// Temperature: converts by formula between the scales listed in Temperature.cpp.
class Temperature final : public FormulaConverter {
public:
    static constexpr const char *kClassName = "Temperature";

    Temperature();

    // The units in list order.
    static std::span<const UnitEntry> Units();
    // The category's factor text: the reading of one degree of each scale on every scale. It describes the
    // scales only; the conversion uses the formulas.
    static std::string FactorText();
    const char *ClassName() const override { return kClassName; }

private:
    Outcome Apply(std::int32_t from, std::int32_t to, double v) const override;
};

} // namespace quorlex
