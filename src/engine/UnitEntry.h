#pragma once

#include <array>
#include <string_view>

namespace quorlex {

// One unit of a category, everything about it in one place: the text its list item shows after the
// position ("- Grams"; the item reads "0- Grams"), a short ASCII symbol unique in its category ("g",
// "ton/ac", "1/ft"), further names it is known by, and, in the categories that convert by factor, its row of
// factors: one of this unit expressed in each unit of the category, in list order.
struct UnitEntry {
    std::string_view listText;
    std::string_view symbol;
    std::array<std::string_view, 3> aliases{}; // unused entries are empty
    std::string_view factors;                  // empty in the categories that convert by formula
};

} // namespace quorlex
