#include "conversion/UnitSpellings.h"

#include "conversion/CategoryUnits.h"
#include "conversion/Quoted.h"
#include "engine/Catalogue.h"
#include "engine/TextFolding.h"

#include <iterator>
#include <string>
#include <vector>

namespace quorlex::conversion {

namespace {

// "mph" and "tonne/ha" are the window's own names already. "Btu" is how NIST SP 811 (2008) writes the
// British thermal unit; the window's lists write "BTU".
// thermal unit; the window's lists write "BTU".
constexpr Spelling kSpellings[] = {
    {"t/ha", "FuelLoad", "Mg/ha"},
    {"MPH", "Speed", "mi/h"},
    {"fpm", "Speed", "ft/min"},
    {"chains/hr", "Speed", "ch/h"},
    {"ch/hr", "Speed", "ch/h"},
    {"Btu", "Energy", "BTU"},
    {"Btu/lb", "HeatContent", "BTU/lb"},
    {"Btu/ft/s", "FireLineIntensity", "BTU/ft/s"},
    {"Btu/ft/min", "FireLineIntensity", "BTU/ft/min"},
    {"Btu/ft2", "HeatUnitArea", "BTU/ft2"},
    {"Btu/ft2/s", "AreaIntensity", "BTU/ft2/s"},
};

} // namespace

std::span<const Spelling> Spellings() {
    return kSpellings;
}

std::optional<UnitRef> UnitOfSpelling(std::string_view text) {
    // The unit of each spelling, found once by its category's class name and its symbol.
    static const std::vector<std::optional<UnitRef>> units = [] {
        std::vector<std::optional<UnitRef>> all;
        for (const Spelling &spelling : kSpellings) {
            const CategoryEntry *category = FindCategory(spelling.className);
            const auto unit =
                category != nullptr ? LookupAnyUnitIn(category->index, spelling.symbol) : std::nullopt;
            all.push_back(unit ? std::optional<UnitRef>(UnitRef{category->index, *unit}) : std::nullopt);
        }
        return all;
    }();
    const std::string_view name = Trimmed(text);
    for (std::size_t i = 0; i < std::size(kSpellings); ++i) {
        if (kSpellings[i].text == name) {
            return units[i];
        }
    }
    return std::nullopt;
}

std::optional<Refusal> SpellingRefusal(std::string_view text) {
    const std::string_view name = Trimmed(text);
    // "t" is the tonne, so t/ac would be tonnes per acre, which no one uses: the writer meant one of these.
    if (name == "t/ac") {
        return Refusal{RefusalKind::UnknownUnit,
                       "t/ac: ton/ac (short tons per acre) or Mg/ha (tonnes per hectare)?",
                       FindCategory("FuelLoad")->index};
    }
    // Trees per acre counts stems; it is no measure of any category, and no near name should be offered.
    if (BlanksFolded(name) == "tpa") {
        return Refusal{RefusalKind::UnknownUnit,
                       Quoted(name) +
                           " names no unit: trees per acre is a count of trees, which no category measures",
                       -1};
    }
    return std::nullopt;
}

} // namespace quorlex::conversion
