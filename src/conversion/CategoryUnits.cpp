#include "conversion/CategoryUnits.h"

#include "engine/Catalogue.h"

#include <array>
#include <span>

namespace quorlex::conversion {

namespace {

// The further units, by category class name, in the order they follow the window's. Each unit's exact
// definition and its source stand with the others' in the unit definitions.
struct FurtherUnit {
    std::string_view className;
    UnitEntry entry;
};

constexpr FurtherUnit kFurtherUnits[] = {
    {"FuelLoad", {"- Kilograms Per Hectare", "kg/ha", {}, {}}},
    {"FuelLoad", {"- Pounds Per Acre", "lb/ac", {}, {}}},
    {"HeatContent", {"- Joules Per Kilogram", "J/kg", {}, {}}},
    {"HeatContent", {"- Joules Per Gram", "J/g", {}, {}}},
    {"HeatContent", {"- Megajoules Per Kilogram", "MJ/kg", {}, {}}},
    {"HeatContent", {"- Kilocalories Per Kilogram", "kcal/kg", {}, {}}},
    {"SurfaceToVolume", {"- Sq. cm. per cu. cm.", "1/cm", {"cm2/cm3"}, {}}},
    {"SurfaceToVolume", {"- Sq. in. per cu. in.", "1/in", {"in2/in3"}, {}}},
    {"FireLineIntensity", {"- Watts Per Meter", "W/m", {}, {}}},
    {"FireLineIntensity", {"- Megawatts Per Meter", "MW/m", {}, {}}},
    {"FireLineIntensity", {"- BTUs Per Foot Per Minute", "BTU/ft/min", {}, {}}},
    {"HeatUnitArea", {"- Joules Per Square Meter", "J/m2", {}, {}}},
    {"HeatUnitArea", {"- Megajoules Per Square Meter", "MJ/m2", {}, {}}},
    {"AreaIntensity", {"- Watts Per Square Meter", "W/m2", {}, {}}},
    {"Energy", {"- Megajoules", "MJ", {}, {}}},
    {"Energy", {"- Kilocalories", "kcal", {}, {}}},
    {"Energy", {"- Kilowatt Hours", "kWh", {}, {}}},
    {"Energy", {"- Calories (International Table)", "cal_IT", {}, {}}},
    {"Pressure", {"- Hectopascals", "hPa", {}, {}}},
    {"Pressure", {"- Millibars", "mbar", {}, {}}},
    {"Pressure", {"- Inches of Mercury", "inHg", {}, {}}},
    {"Pressure", {"- Millimeters of Mercury", "mmHg", {}, {}}},
    {"Length", {"- US Survey Feet", "ftUS", {"survey foot", "survey feet"}, {}}},
    {"Length", {"- US Survey Miles", "miUS", {"survey mile", "survey miles"}, {}}},
};

const CategoryEntry &CategoryAt(int category) {
    return Catalogue()[static_cast<std::size_t>(category)];
}

// Each category's further units, gathered once.
const std::array<std::vector<UnitEntry>, kCategoryCount> &FurtherUnits() {
    static const auto units = [] {
        std::array<std::vector<UnitEntry>, kCategoryCount> all;
        for (const FurtherUnit &unit : kFurtherUnits) {
            const CategoryEntry *category = FindCategory(unit.className);
            all[static_cast<std::size_t>(category->index)].push_back(unit.entry);
        }
        return all;
    }();
    return units;
}

std::span<const UnitEntry> FurtherOf(int category) {
    return FurtherUnits()[static_cast<std::size_t>(category)];
}

} // namespace

int WindowUnitCount(int category) {
    return static_cast<int>(CategoryAt(category).units.size());
}

int UnitCount(int category) {
    return WindowUnitCount(category) + static_cast<int>(FurtherOf(category).size());
}

bool InWindow(int category, int unit) {
    return unit < WindowUnitCount(category);
}

const UnitEntry &EntryOfUnit(int category, int unit) {
    const int window = WindowUnitCount(category);
    return unit < window ? CategoryAt(category).units[static_cast<std::size_t>(unit)]
                         : FurtherOf(category)[static_cast<std::size_t>(unit - window)];
}

std::optional<int> LookupAnyUnitIn(int category, std::string_view text) {
    if (category < 0 || category >= kCategoryCount) {
        return std::nullopt;
    }
    if (const auto unit = LookupUnitIn(category, text)) {
        return unit;
    }
    const int window = WindowUnitCount(category);
    if (const auto further = LookupUnitAmong(FurtherOf(category), window, text)) {
        return window + *further;
    }
    return std::nullopt;
}

std::vector<UnitRef> LookupAnyUnit(std::string_view text) {
    std::vector<UnitRef> found;
    for (int category = 0; category < kCategoryCount; ++category) {
        if (const auto unit = LookupAnyUnitIn(category, text)) {
            found.push_back({category, *unit});
        }
    }
    return found;
}

std::vector<std::string> NamesOfUnit(int category, int unit) {
    return AcceptedNamesOf(EntryOfUnit(category, unit));
}

} // namespace quorlex::conversion
