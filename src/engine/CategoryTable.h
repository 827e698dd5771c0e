#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace quorlex {

// One category of quantity: the caption of its option button, the class name of the converter that serves
// it, and the display text of each of its units, position 0 first. The category's index is its position in
// Categories() and the Index of its option button.
struct Category {
    std::string_view caption;
    std::string_view converter;
    std::span<const std::string_view> units;
};

inline constexpr int kCategoryCount = 17;

// The 17 categories, index 0 (Weight) to 16 (Surface/Volume Ratio).
const std::array<Category, kCategoryCount> &Categories();

// A unit list's item text: the position in decimal digits immediately followed by the unit text
// ("0- Grams").
std::string UnitItemText(int position, std::string_view unitText);

} // namespace quorlex
