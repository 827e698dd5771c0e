#pragma once

#include "engine/FormulaConverter.h"

#include <span>
#include <string>

namespace quorlex {

// Slope: degrees and percent (rise over run times 100), converted by formula.
class Slope final : public FormulaConverter {
public:
    static constexpr const char *kClassName = "Slope";

    Slope();

    // The units in list order.
    static std::span<const UnitEntry> Units();
    // The category's factor text: Angle's (degrees and radians). Compute does not read it.
    static std::string FactorText();
    const char *ClassName() const override { return kClassName; }

private:
    Outcome Apply(std::int32_t from, std::int32_t to, double v) const override;
};

} // namespace quorlex
