#pragma once

#include "engine/UnitEntry.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace quorlex {

class Convert;
class UnitConverter;

// One category of quantity: its index (the Index of its option button and its position in the catalogue),
// the caption of its option button, the class name of the converter that serves it, its units in list order
// (list position k is unit index k), its factor text, and how to make its converter, alone or as the
// registry's field.
struct CategoryEntry {
    int index;
    std::string_view caption;
    std::string_view className;
    std::span<const UnitEntry> units;
    std::string (*factorText)();
    std::shared_ptr<UnitConverter> (*makeConverter)();
    // The registry's field of this category: stores a converter of the category into it, and reads it.
    void (*storeIn)(Convert &registry, std::shared_ptr<UnitConverter> converter);
    std::shared_ptr<UnitConverter> (*takeFrom)(const Convert &registry);
};

inline constexpr int kCategoryCount = 17;

// The categories, index 0 (Weight) to 16 (Surface/Volume Ratio).
std::span<const CategoryEntry> Catalogue();

// The category a name stands for: its caption or its class name, compared ignoring letter case and blanks
// ("fuel load", "FuelLoad", "area intensity"). Null when none.
const CategoryEntry *FindCategory(std::string_view name);

// A unit list's item text: the position in decimal digits immediately followed by the unit's list text
// ("0- Grams").
std::string UnitItemText(int position, std::string_view listText);

} // namespace quorlex
