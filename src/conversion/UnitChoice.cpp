#include "conversion/UnitChoice.h"

#include "conversion/CategoryUnits.h"
#include "conversion/NearestNames.h"
#include "conversion/Quoted.h"
#include "conversion/UnitSpellings.h"
#include "conversion/WrittenUnit.h"
#include "engine/Catalogue.h"
#include "engine/TextFolding.h"
#include "engine/UnitLookup.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace quorlex::conversion {

namespace {

const CategoryEntry &EntryOf(int category) {
    return Catalogue()[static_cast<std::size_t>(category)];
}

// The unit a CATEGORY:INDEX text names; nullopt when the text has no such form, or with a refusal for an
// index the category does not have.
std::optional<UnitRef> UnitByIndex(std::string_view text, Refusal &refusal) {
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
    if (index < 0 || index >= UnitCount(category->index)) {
        refusal = {RefusalKind::UnitIndex,
                   Quoted(text) + ": " + std::string(category->className) + " has the units 0 to " +
                       std::to_string(UnitCount(category->index) - 1),
                   category->index};
        return std::nullopt;
    }
    return UnitRef{category->index, index};
}

// Every accepted name of every unit (of one category, or of all for -1), field spellings included, with
// the unit it names.
void CollectNames(int category, std::vector<std::string> &names, std::vector<UnitRef> &units) {
    for (const auto &entry : Catalogue()) {
        if (category >= 0 && entry.index != category) {
            continue;
        }
        for (int unit = 0; unit < UnitCount(entry.index); ++unit) {
            for (auto &name : NamesOfUnit(entry.index, unit)) {
                names.push_back(std::move(name));
                units.push_back({entry.index, unit});
            }
        }
    }
    for (const Spelling &spelling : Spellings()) {
        const auto unit = UnitOfSpelling(spelling.text);
        if (unit && (category < 0 || unit->category == category)) {
            names.emplace_back(spelling.text);
            units.push_back(*unit);
        }
    }
}

// The refusal of a name that names no unit (of a category, or of any for -1): the nearest names, if any.
Refusal UnknownUnit(std::string_view text, int category) {
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
    return {RefusalKind::UnknownUnit, message, category};
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
        if (i > 0 && i + 1 == categories.size()) {
            text += ' ';
            text += joiningWord;
            text += ' ';
        } else if (i > 0) {
            text += ", ";
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

std::vector<UnitRef> UnitsNamed(std::string_view name, Refusal &refusal) {
    if (const auto byIndex = UnitByIndex(name, refusal)) {
        return {*byIndex};
    }
    if (refusal) {
        return {};
    }
    if (auto units = LookupAnyUnit(name); !units.empty()) {
        return units;
    }
    if (auto refused = SpellingRefusal(name)) {
        refusal = std::move(*refused);
        return {};
    }
    if (const auto unit = UnitOfSpelling(name)) {
        return {*unit};
    }
    // A unit written as in papers ("Mg ha-1"); a text with no letter is a number or nothing, not a unit.
    const std::string_view trimmed = Trimmed(name);
    const bool hasLetter = std::any_of(trimmed.begin(), trimmed.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
    if (hasLetter) {
        if (const auto unit = UnitOfWrittenText(trimmed, refusal)) {
            return {*unit};
        }
    }
    return {};
}

int ChooseCategory(std::string_view name, Refusal &refusal) {
    if (const CategoryEntry *entry = FindCategory(name)) {
        return entry->index;
    }
    std::string message = Quoted(name) + " is no category; the categories:";
    for (const auto &entry : Catalogue()) {
        message += entry.index == 0 ? " " : ", ";
        message += entry.className;
    }
    refusal = {RefusalKind::UnknownCategory, message, -1};
    return -1;
}

UnitChoice ChooseUnits(std::string_view from, std::string_view to, int category, int preferred,
                       Refusal &refusal) {
    refusal = {};
    const std::vector<UnitRef> fromUnits = UnitsNamed(from, refusal);
    if (refusal) {
        return {};
    }
    const std::vector<UnitRef> toUnits = UnitsNamed(to, refusal);
    if (refusal) {
        return {};
    }
    for (const auto &[text, units] : {std::pair{from, &fromUnits}, std::pair{to, &toUnits}}) {
        if (units->empty() || (category >= 0 && UnitIn(*units, category) < 0)) {
            refusal = UnknownUnit(text, category);
            return {};
        }
    }
    if (category >= 0) {
        return {category, UnitIn(fromUnits, category), UnitIn(toUnits, category)};
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
        refusal = {RefusalKind::CategoriesDiffer,
                   Quoted(from) + " is a unit of " + CaptionsOf(fromCategories) + " and " + Quoted(to) +
                       " of " + CaptionsOf(toCategories) + ": both units must be of one category",
                   -1};
        return {};
    }
    int chosen = shared[0];
    if (shared.size() > 1) {
        if (std::find(shared.begin(), shared.end(), preferred) == shared.end()) {
            refusal = {RefusalKind::Ambiguous,
                       Quoted(from) + " and " + Quoted(to) + " fit both " + CaptionsOf(shared, "and"), -1};
            return {};
        }
        chosen = preferred;
    }
    return {chosen, UnitIn(fromUnits, chosen), UnitIn(toUnits, chosen)};
}

std::string_view SymbolOf(int category, int unit) {
    return EntryOfUnit(category, unit).symbol;
}

std::string_view ListNameOf(int category, int unit) {
    std::string_view name = Trimmed(EntryOfUnit(category, unit).listText);
    if (name.starts_with('-')) {
        name = Trimmed(name.substr(1));
    }
    return name;
}

std::string_view CaptionOf(int category) {
    return EntryOf(category).caption;
}

std::string_view ClassNameOf(int category) {
    return EntryOf(category).className;
}

} // namespace quorlex::conversion
