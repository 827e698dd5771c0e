#pragma once

#include "definitions/UnitDefinitions.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorlex::definitions {

// A unit as people write it in papers and field notes: named units with whole powers, multiplied by
// blanks, "*", "·" or "⋅", divided by "/". A power follows its unit as digits ("m2", "ha-1"), after "^"
// ("m^-2") or as superscripts ("ha⁻¹"). A hyphen before a letter joins two units tighter than "/":
// "ton/ac-ft" is tons per acre-foot. "/" divides by the one unit (or hyphen-joined units) after it:
// "kJ/m2/min" is kilojoules per square metre per minute. The number 1 may stand alone ("1/ft").
struct UnitText {
    std::optional<UnitValue> value; // the unit's size and dimension; nullopt when the text is refused
    // The powers of length above and below the line, counted unit by unit before they cancel: "m2/ha"
    // holds 2 and 2, so that an area per area can be told from a pure number.
    int lengthAbove = 0;
    int lengthBelow = 0;
    // Why the text is refused, in words without the text itself ("the power 999 is out of range").
    std::string problem;
    // The refusal is for a symbol no unit has or a sign no written unit uses ("furlong", "°K"), as opposed
    // to a known unit written amiss ("m^-", "kg//m") or an over-long text.
    bool unknownSymbol = false;
};

// The longest unit text read, in bytes.
constexpr std::size_t kLongestUnitText = 200;
// The powers of the units in a text, cancelled where they can, add up to at most this.
constexpr int kMostUnitPowers = 12;
// Powers run from -kLargestPower to kLargestPower, zero excluded.
constexpr int kLargestPower = 9;

UnitText ReadUnitText(std::string_view text);

// A dimension in SI base units, as "kg m^-1 s^-2"; "1" for a pure number.
std::string DimensionText(const Dimension &dimension);

} // namespace quorlex::definitions
