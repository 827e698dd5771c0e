#pragma once

#include "engine/UnitEntry.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

// A unit of the catalogue: its category's index and its position in that category's list.
struct UnitRef {
    int category = -1;
    int unit = -1;

    friend bool operator==(const UnitRef &, const UnitRef &) = default;
};

// Which units a text names, the one rule the window's unit list and the command line share. A text names a
// unit when, without the blanks around it, it is
// - the unit's symbol or one of its aliases exactly, letter case included ("Mg" is megagrams, "mg" names
//   nothing); where a symbol or alias holds a 2 or 3, the same with ² or ³ ("m²", "ft²/ft³") counts too;
// - or the unit's list text, its item text ("3- KiloGrams") or its list text without the leading "- "
//   ("KiloGrams"), compared ignoring letter case, with every run of blanks taken as one ("tons  per
//   acre") and with or without blanks beside the hyphen ("3-KiloGrams", "3 - KiloGrams").
//
// All the units of all categories the text names, in catalogue order; empty when it names none. A name
// names at most one unit of a category; "deg" names one in Angle and one in Slope.
std::vector<UnitRef> LookupUnit(std::string_view text);

// The unit of one category that the text names, by the same rule.
std::optional<int> LookupUnitIn(int category, std::string_view text);

// The names a unit is known by, for listing and for suggesting near misses: its symbol, its aliases, their
// forms with ² and ³, and its list text without the leading "- " and the blanks around it.
std::vector<std::string> AcceptedNames(int category, int unit);
std::vector<std::string> AcceptedNamesOf(const UnitEntry &entry);

// The same rule over units outside the catalogue's lists: the position in `units` of the unit the text
// names, where the first of them stands at list position `firstPosition` (for its item text, "17- ...").
std::optional<int> LookupUnitAmong(std::span<const UnitEntry> units, int firstPosition,
                                   std::string_view text);

} // namespace quorlex
