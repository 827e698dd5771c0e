#include "cli/UnitChoice.h"

#include "cli/Failure.h"
#include "cli/Messages.h"
#include "cli/NearestNames.h"
#include "engine/Catalogue.h"
#include "engine/UnitLookup.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace quorlex::cli {

namespace {

const CategoryEntry &EntryOf(int category) {
    return Catalogue()[static_cast<std::size_t>(category)];
}

// The unit a CATEGORY:INDEX text names; nullopt when the text has no such form. Throws UsageError for an
// index the category does not have.
std::optional<UnitRef> UnitByIndex(std::string_view text) {
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == text.size()) {
        return std::nullopt;
    }
    const CategoryEntry *category = FindCategory(text.substr(0, colon));
    const std::string_view digits = text.substr(colon + 1);
    int index = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (category == nullptr || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= category->units.size()) {
        throw UsageError(Quoted(text) + ": " + std::string(category->className) + " has the units 0 to " +
                         std::to_string(category->units.size() - 1) + " (see --list " +
                         std::string(category->className) + ")");
    }
    return UnitRef{category->index, index};
}

// Every accepted name of every unit (of one category, or of all for -1), with the unit it names.
void CollectNames(int category, std::vector<std::string> &names, std::vector<UnitRef> &units) {
    for (const auto &entry : Catalogue()) {
        if (category >= 0 && entry.index != category) {
            continue;
        }
        for (int unit = 0; unit < static_cast<int>(entry.units.size()); ++unit) {
            for (auto &name : AcceptedNames(entry.index, unit)) {
                names.push_back(std::move(name));
                units.push_back({entry.index, unit});
            }
        }
    }
}

// The message for a name that names no unit (of a category, or of any for -1): the nearest names, if any.
std::string UnknownUnitMessage(std::string_view text, int category) {
    std::string message = Quoted(text) + " names no unit";
    if (category >= 0) {
        message += " of " + std::string(CaptionOf(category));
    }
    std::vector<std::string> names;
    std::vector<UnitRef> units;
    CollectNames(category, names, units);
    const auto nearest = NearestNames(text, names, 4);
    if (!nearest.empty()) {
        message += "; nearest:";
        for (std::size_t i = 0; i < nearest.size(); ++i) {
            const UnitRef unit = units[nearest[i]];
            message += i == 0 ? " " : ", ";
            message += Quoted(names[nearest[i]]) + " (" + std::string(CaptionOf(unit.category)) + ")";
        }
    }
    message +=
        category >= 0 ? " (see --list " + std::string(EntryOf(category).className) + ")" : " (see --list)";
    return message;
}

std::vector<UnitRef> UnitsNamed(std::string_view text) {
    if (const auto byIndex = UnitByIndex(text)) {
        return {*byIndex};
    }
    return LookupUnit(text);
}

std::vector<int> CategoriesOf(const std::vector<UnitRef> &units) {
    std::vector<int> categories;
    categories.reserve(units.size());
    for (const auto &unit : units) {
        categories.push_back(unit.category);
    }
    return categories;
}

// "Weight", "Angle or Slope" ("Angle and Slope" with the joining word "and").
std::string CaptionsOf(const std::vector<int> &categories, std::string_view joiningWord = "or") {
    std::string text;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        if (i > 0) {
            text += i + 1 == categories.size() ? " " + std::string(joiningWord) + " " : ", ";
        }
        text += CaptionOf(categories[i]);
    }
    return text;
}

int UnitIn(const std::vector<UnitRef> &units, int category) {
    for (const auto &unit : units) {
        if (unit.category == category) {
            return unit.unit;
        }
    }
    return -1;
}

} // namespace

int ChooseCategory(std::string_view name) {
    if (const CategoryEntry *entry = FindCategory(name)) {
        return entry->index;
    }
    std::string message = Quoted(name) + " is no category; the categories:";
    for (const auto &entry : Catalogue()) {
        message += entry.index == 0 ? " " : ", ";
        message += entry.className;
    }
    throw UsageError(message);
}

UnitChoice ChooseUnits(std::string_view from, std::string_view to, std::string_view category) {
    const int chosen = category.empty() ? -1 : ChooseCategory(category);
    const std::vector<UnitRef> fromUnits = UnitsNamed(from);
    const std::vector<UnitRef> toUnits = UnitsNamed(to);
    for (const auto &[text, units] : {std::pair{from, &fromUnits}, std::pair{to, &toUnits}}) {
        if (units->empty() || (chosen >= 0 && UnitIn(*units, chosen) < 0)) {
            throw UsageError(UnknownUnitMessage(text, chosen));
        }
    }
    if (chosen >= 0) {
        return {chosen, UnitIn(fromUnits, chosen), UnitIn(toUnits, chosen)};
    }
    const std::vector<int> fromCategories = CategoriesOf(fromUnits);
    const std::vector<int> toCategories = CategoriesOf(toUnits);
    std::vector<int> shared;
    for (const int candidate : fromCategories) {
        if (std::find(toCategories.begin(), toCategories.end(), candidate) != toCategories.end()) {
            shared.push_back(candidate);
        }
    }
    if (shared.empty()) {
        throw UsageError(Quoted(from) + " is a unit of " + CaptionsOf(fromCategories) + " and " + Quoted(to) +
                         " of " + CaptionsOf(toCategories) + ": both units must be of one category");
    }
    if (shared.size() > 1) {
        throw UsageError(Quoted(from) + " and " + Quoted(to) + " fit both " + CaptionsOf(shared, "and") +
                         ": choose the category with -c (--category)");
    }
    return {shared[0], UnitIn(fromUnits, shared[0]), UnitIn(toUnits, shared[0])};
}

std::string_view SymbolOf(int category, int unit) {
    return EntryOf(category).units[static_cast<std::size_t>(unit)].symbol;
}

std::string_view CaptionOf(int category) {
    return EntryOf(category).caption;
}

} // namespace quorlex::cli
