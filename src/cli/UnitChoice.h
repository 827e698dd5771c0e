#pragma once

#include <string>
#include <string_view>

namespace quorlex::cli {

// The category and the two units of a run, as catalogue positions.
struct UnitChoice {
    int category = -1;
    int from = -1;
    int to = -1;
};

// The units FROM and TO name, by the catalogue's lookup or as CATEGORY:INDEX ("FuelLoad:2"). Both must be of
// one category: where a name fits several categories the other unit decides, and `category` (a caption or
// class name; empty for none) decides when both fit several. Throws UsageError naming what went wrong: an
// unknown name (with the nearest names there are), units of different categories, a choice left open.
UnitChoice ChooseUnits(std::string_view from, std::string_view to, std::string_view category);

// The category a name stands for (caption or class name); throws UsageError listing them for none.
int ChooseCategory(std::string_view name);

// A unit's symbol ("ton/ac") and its category's caption ("Fuel Load").
std::string_view SymbolOf(int category, int unit);
std::string_view CaptionOf(int category);

} // namespace quorlex::cli
