#pragma once

#include "conversion/Refusal.h"
#include "engine/UnitLookup.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorlex::conversion {

// The category and the two units of a conversion, as catalogue positions.
struct UnitChoice {
    int category = -1;
    int from = -1;
    int to = -1;
};

// The units FROM and TO name, by the catalogue's lookup or as CATEGORY:INDEX ("FuelLoad:2"), or why they
// name none. Both must be of one category: `category` (an index; -1 for none) is the one they must be of;
// without it, where a name fits several categories the other unit decides, and `preferred` (an index; -1
// for none) decides when both fit several. Refuses an unknown name (with the nearest names there are), an
// index the category lacks, units of different categories, and a choice left open.
UnitChoice ChooseUnits(std::string_view from, std::string_view to, int category, int preferred,
                       Refusal &refusal);

// Every unit a name names: by the catalogue's lookup, the one CATEGORY:INDEX names ("FuelLoad:2"), a field
// spelling ("mph"), or the one unit a unit written as in papers stands for ("Mg ha-1"). Empty for none,
// with a refusal for an index the category does not have, a spelling that raises a question ("t/ac"), or a
// written unit that is malformed or stands for no unit of the catalogue.
std::vector<UnitRef> UnitsNamed(std::string_view name, Refusal &refusal);

// The category a name stands for (caption or class name); -1 and a refusal listing them for none.
int ChooseCategory(std::string_view name, Refusal &refusal);

// A unit's symbol ("ton/ac"), its name as a list shows it without the position ("Tons Per Acre"), and its
// category's caption ("Fuel Load") and class name ("FuelLoad").
std::string_view SymbolOf(int category, int unit);
std::string_view ListNameOf(int category, int unit);
std::string_view CaptionOf(int category);
std::string_view ClassNameOf(int category);

} // namespace quorlex::conversion
