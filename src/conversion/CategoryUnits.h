#pragma once

#include "engine/UnitEntry.h"
#include "engine/UnitLookup.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex::conversion {

// The units of a category as the command line, calc and the page know them: the window's own, at their
// list positions, then further units the window's lists do not have (kg/ha, MJ/kg, hPa, ...). A further
// unit has an exact definition and no row in the window's factor tables, so it converts by its exact
// factor only.

// How many units the category has here, and how many of them the window's list shows.
int UnitCount(int category);
int WindowUnitCount(int category);
// Whether the unit is one of the window's (a position below WindowUnitCount).
bool InWindow(int category, int unit);

// The unit's entry: its list text, symbol and aliases (no factor row for a further unit).
const UnitEntry &EntryOfUnit(int category, int unit);

// Every unit a name names, by the window's lookup rule, over the window's units and the further ones.
std::vector<UnitRef> LookupAnyUnit(std::string_view text);
// The unit of one category a name names, by the same rule.
std::optional<int> LookupAnyUnitIn(int category, std::string_view text);
// The names a unit is known by, as AcceptedNames gives them.
std::vector<std::string> NamesOfUnit(int category, int unit);

} // namespace quorlex::conversion
