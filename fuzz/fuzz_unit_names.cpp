// Unit names as a person types them: the catalogue's lookup finds exactly the units a plain reading of the
// naming rule finds (a symbol or alias exactly, letter case included, or a list text with letter case and
// blanks folded), never one for a number; and the command line's choice of units either names two units
// of one category that the lookup found or refuses with a usage error, nothing else.
//
// A unit written as in papers ("Mg ha-1") is read to a size and dimension or refused with a reason; where
// the conversion layer takes it for a unit, that unit has exactly the size and dimension read, and every
// refusal is one line.
//
// The fire calculations' inputs take the same names: each input either finds a unit of its own kind or
// refuses the name naming the input, and a calculation of the two texts as values answers or says why.
//
// Input: FROM, TO and CATEGORY separated by NUL bytes (missing parts are empty).
#include "FuzzCheck.h"
#include "conversion/ExactFactors.h"
#include "conversion/NearestNames.h"
#include "conversion/UnitChoice.h"
#include "conversion/WrittenUnit.h"
#include "definitions/UnitText.h"
#include "engine/Catalogue.h"
#include "engine/UnitLookup.h"
#include "numbers/NumericText.h"
#include "relations/Calculation.h"
#include "relations/QuantityUnits.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quorlex;
using namespace quorlex::fuzz;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    return first < last ? std::string_view(&*first, static_cast<std::size_t>(last - first))
                        : std::string_view();
}

// Lower-case ASCII words joined by single blanks.
std::string Words(std::string_view text) {
    std::string words;
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || IsBlank(text[i])) {
            if (!word.empty()) {
                words += words.empty() ? "" : " ";
                words += word;
                word.clear();
            }
            continue;
        }
        const char c = text[i];
        word += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return words;
}

// Words, without the blanks beside a hyphen: "2 - tons" and "-tons" read as "2-tons" and "-tons".
std::string HyphenWords(std::string_view text) {
    const std::string words = Words(text);
    std::string joined;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool besideHyphen =
            (i > 0 && words[i - 1] == '-') || (i + 1 < words.size() && words[i + 1] == '-');
        if (words[i] != ' ' || !besideHyphen) {
            joined += words[i];
        }
    }
    return joined;
}

std::string WithSuperscripts(std::string_view name) {
    std::string text;
    for (const char c : name) {
        text += c == '2' ? std::string("\u00B2") : c == '3' ? std::string("\u00B3") : std::string(1, c);
    }
    return text;
}

bool ReferenceNames(std::string_view text, int position, const UnitEntry &unit) {
    const std::string_view name = Trim(text);
    const auto exactly = [name](std::string_view candidate) {
        return !candidate.empty() && (name == candidate || name == WithSuperscripts(candidate));
    };
    if (exactly(unit.symbol) || std::any_of(unit.aliases.begin(), unit.aliases.end(), exactly)) {
        return true;
    }
    const std::string words = HyphenWords(text);
    if (words.empty()) {
        return false;
    }
    std::string_view bare = Trim(unit.listText);
    if (!bare.empty() && bare.front() == '-') {
        bare = Trim(bare.substr(1));
    }
    return words == HyphenWords(unit.listText) || words == HyphenWords(bare) ||
           words == HyphenWords(std::to_string(position) + std::string(unit.listText));
}

void CheckLookup(std::string_view text) {
    const std::vector<UnitRef> found = LookupUnit(text);
    std::vector<UnitRef> expected;
    for (const auto &category : Catalogue()) {
        for (int unit = 0; unit < static_cast<int>(category.units.size()); ++unit) {
            if (ReferenceNames(text, unit, category.units[static_cast<std::size_t>(unit)])) {
                expected.push_back({category.index, unit});
                break; // a name names at most one unit of a category: the first
            }
        }
        const auto in = LookupUnitIn(category.index, text);
        const auto inFound = std::find_if(found.begin(), found.end(), [&category](const UnitRef &ref) {
            return ref.category == category.index;
        });
        Require(in.has_value() == (inFound != found.end()) && (!in || *in == inFound->unit),
                "the lookup in one category agrees with the lookup in all", Printable(text));
    }
    Require(found == expected, "the lookup finds the units the naming rule names", Printable(text));
    if (IsNumericText(text)) {
        Require(found.empty(), "a number names no unit", Printable(text));
    }
}

void CheckWrittenUnit(std::string_view text) {
    const definitions::UnitText read = definitions::ReadUnitText(text);
    Require(read.value.has_value() == read.problem.empty(), "a written unit is read or refused with a reason",
            Printable(text));
    Require(!read.unknownSymbol || !read.value, "only a refusal names an unknown symbol", Printable(text));
    Require(text.size() <= definitions::kLongestUnitText || !read.value, "an over-long text is refused",
            Printable(text));
    conversion::Refusal refusal;
    const auto unit = conversion::UnitOfWrittenText(text, refusal);
    Require(refusal.reason.find('\n') == std::string::npos, "a refusal is one line", Printable(text));
    if (!unit) {
        Require(static_cast<bool>(refusal) || !read.value, "a unit read is taken or refused with a reason",
                Printable(text));
        return;
    }
    Require(read.value.has_value() && !refusal, "a unit taken was read", Printable(text));
    const auto exact = definitions::Evaluate(conversion::ExactExpressionOf(unit->category, unit->unit));
    Require(exact && exact->size == read.value->size && exact->dimension == read.value->dimension,
            "a unit taken has exactly the size and dimension read", Printable(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (parts.size() < 2) {
        const auto nul = input.find('\0', start);
        if (nul == std::string_view::npos) {
            break;
        }
        parts.push_back(input.substr(start, nul - start));
        start = nul + 1;
    }
    parts.push_back(input.substr(start));
    parts.resize(3);
    const std::string_view from = parts[0];
    const std::string_view to = parts[1];
    const std::string_view category = parts[2];

    CheckLookup(from);
    CheckLookup(to);
    CheckWrittenUnit(from);
    // Many relations share an input (a rate of spread, a fireline intensity): each is checked once.
    std::vector<std::string_view> checkedInputs;
    for (const relations::Relation &relation : relations::Relations()) {
        std::vector<relations::InputChoice> choices;
        for (const relations::Quantity &quantity : relation.inputs) {
            choices.push_back({true, relations::FormulaUnit(quantity)});
            if (std::find(checkedInputs.begin(), checkedInputs.end(), quantity.name) != checkedInputs.end()) {
                continue;
            }
            checkedInputs.push_back(quantity.name);
            std::string problem;
            const int unit = relations::FindUnit(quantity, from, problem);
            Require(unit >= 0 ? unit < relations::UnitCount(quantity) && problem.empty()
                              : problem.starts_with(std::string(quantity.name) + ": "),
                    "an input's unit is one of its own, or refused naming the input", Printable(from));
        }
        const relations::Calculator calculator(relation, choices, -1, conversion::ResultStyle::Automatic, 0,
                                               conversion::DecimalMark::Period);
        const std::string_view texts[] = {from, to, from};
        const relations::Answer answer = calculator.Compute(texts);
        Require(static_cast<bool>(answer) == answer.message.empty(), "a calculation answers or says why",
                Printable(from) + " " + Printable(to));
    }
    Require(conversion::NameDistance(from, from) == 0 &&
                conversion::NameDistance(from, to) == conversion::NameDistance(to, from),
            "the name distance is a distance", Printable(from) + " " + Printable(to));
    conversion::Refusal refusal;
    const int chosen = category.empty() ? -1 : conversion::ChooseCategory(category, refusal);
    const conversion::UnitChoice choice =
        refusal ? conversion::UnitChoice{} : conversion::ChooseUnits(from, to, chosen, -1, refusal);
    // A refusal with a reason is a fine answer to a name that names nothing clear.
    Require(static_cast<bool>(refusal) == !refusal.reason.empty(), "a refusal gives its reason",
            Printable(from) + " " + Printable(to));
    if (!refusal) {
        const auto &entry = Catalogue()[static_cast<std::size_t>(choice.category)];
        Require(choice.from >= 0 && choice.to >= 0 &&
                    static_cast<std::size_t>(choice.from) < entry.units.size() &&
                    static_cast<std::size_t>(choice.to) < entry.units.size(),
                "chosen units lie in their category");
        const auto named = [&choice](std::string_view text, int unit) {
            conversion::Refusal ignored;
            const auto units = conversion::UnitsNamed(text, ignored);
            return std::find(units.begin(), units.end(), UnitRef{choice.category, unit}) != units.end();
        };
        Require(named(from, choice.from) && named(to, choice.to), "chosen units are the ones the texts name",
                Printable(from) + " " + Printable(to));
    }
    return 0;
}
