#include "engine/UnitLookup.h"

#include "engine/Catalogue.h"
#include "engine/TextFolding.h"

#include <array>
#include <cstddef>

namespace quorlex {

namespace {

// The name with every 2 and 3 written as a superscript (UTF-8), or "" when it holds neither.
std::string Superscripted(std::string_view name) {
    if (name.find_first_of("23") == std::string_view::npos) {
        return {};
    }
    std::string text;
    for (const char c : name) {
        if (c == '2') {
            text += "\u00B2";
        } else if (c == '3') {
            text += "\u00B3";
        } else {
            text += c;
        }
    }
    return text;
}

// The list text without its leading "- ": what a person would type for it.
std::string_view BareListText(std::string_view listText) {
    std::string_view bare = Trimmed(listText);
    if (!bare.empty() && bare.front() == '-') {
        bare.remove_prefix(1);
    }
    return Trimmed(bare);
}

// A name in the form list texts are compared in: BlanksFolded, and without the blanks beside a hyphen, so
// that "2-Tons Per Acre", "2 - Tons Per Acre" and "2 -tons per acre" read as "2- Tons Per Acre" does.
std::string ListTextFolded(std::string_view text) {
    const std::string folded = BlanksFolded(text);
    std::string joined;
    joined.reserve(folded.size());
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const bool besideHyphen =
            (!joined.empty() && joined.back() == '-') || (i + 1 < folded.size() && folded[i + 1] == '-');
        if (folded[i] != ' ' || !besideHyphen) {
            joined += folded[i];
        }
    }
    return joined;
}

bool NamesBySymbol(const UnitEntry &unit, std::string_view text) {
    const auto matches = [text](std::string_view name) {
        if (name.empty() || text.empty()) {
            return false;
        }
        return text == name ||
               (name.find_first_of("23") != std::string_view::npos && text == Superscripted(name));
    };
    if (matches(unit.symbol)) {
        return true;
    }
    for (const auto alias : unit.aliases) {
        if (matches(alias)) {
            return true;
        }
    }
    return false;
}

// The three folded forms of each unit's list text (as it stands, without "- ", and as its item), by
// category and position, worked out once: every lookup compares with all of them.
using FoldedForms = std::array<std::string, 3>;

const std::vector<std::vector<FoldedForms>> &FoldedListTexts() {
    static const std::vector<std::vector<FoldedForms>> folded = [] {
        std::vector<std::vector<FoldedForms>> all;
        for (const auto &category : Catalogue()) {
            auto &forms = all.emplace_back();
            for (std::size_t position = 0; position < category.units.size(); ++position) {
                const std::string_view listText = category.units[position].listText;
                forms.push_back({ListTextFolded(listText), ListTextFolded(BareListText(listText)),
                                 ListTextFolded(UnitItemText(static_cast<int>(position), listText))});
            }
        }
        return all;
    }();
    return folded;
}

bool NamesByListText(const CategoryEntry &category, std::size_t position, const std::string &folded) {
    const FoldedForms &forms = FoldedListTexts()[static_cast<std::size_t>(category.index)][position];
    return folded == forms[0] || folded == forms[1] || folded == forms[2];
}

std::optional<int> FindIn(const CategoryEntry &category, std::string_view text, const std::string &folded) {
    const auto units = category.units;
    for (std::size_t position = 0; position < units.size(); ++position) {
        if (NamesBySymbol(units[position], text)) {
            return static_cast<int>(position);
        }
    }
    if (folded.empty()) {
        return std::nullopt;
    }
    for (std::size_t position = 0; position < units.size(); ++position) {
        if (NamesByListText(category, position, folded)) {
            return static_cast<int>(position);
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<UnitRef> LookupUnit(std::string_view text) {
    const std::string_view name = Trimmed(text);
    const std::string folded = ListTextFolded(name);
    std::vector<UnitRef> found;
    for (const auto &category : Catalogue()) {
        if (const auto unit = FindIn(category, name, folded)) {
            found.push_back(UnitRef{category.index, *unit});
        }
    }
    return found;
}

std::optional<int> LookupUnitIn(int category, std::string_view text) {
    if (category < 0 || category >= kCategoryCount) {
        return std::nullopt;
    }
    const std::string_view name = Trimmed(text);
    return FindIn(Catalogue()[static_cast<std::size_t>(category)], name, ListTextFolded(name));
}

std::optional<int> LookupUnitAmong(std::span<const UnitEntry> units, int firstPosition,
                                   std::string_view text) {
    const std::string_view name = Trimmed(text);
    for (std::size_t position = 0; position < units.size(); ++position) {
        if (NamesBySymbol(units[position], name)) {
            return static_cast<int>(position);
        }
    }
    const std::string folded = ListTextFolded(name);
    if (folded.empty()) {
        return std::nullopt;
    }
    for (std::size_t position = 0; position < units.size(); ++position) {
        const std::string_view listText = units[position].listText;
        const int item = firstPosition + static_cast<int>(position);
        if (folded == ListTextFolded(listText) || folded == ListTextFolded(BareListText(listText)) ||
            folded == ListTextFolded(UnitItemText(item, listText))) {
            return static_cast<int>(position);
        }
    }
    return std::nullopt;
}

std::vector<std::string> AcceptedNames(int category, int unit) {
    if (category < 0 || category >= kCategoryCount) {
        return {};
    }
    const auto units = Catalogue()[static_cast<std::size_t>(category)].units;
    if (unit < 0 || static_cast<std::size_t>(unit) >= units.size()) {
        return {};
    }
    return AcceptedNamesOf(units[static_cast<std::size_t>(unit)]);
}

std::vector<std::string> AcceptedNamesOf(const UnitEntry &entry) {
    std::vector<std::string> names;
    const auto add = [&names](std::string_view name) {
        if (!name.empty()) {
            names.emplace_back(name);
            if (auto superscripted = Superscripted(name); !superscripted.empty()) {
                names.push_back(std::move(superscripted));
            }
        }
    };
    add(entry.symbol);
    for (const auto alias : entry.aliases) {
        add(alias);
    }
    names.emplace_back(BareListText(entry.listText));
    return names;
}

} // namespace quorlex
