// The unit catalogue: every name it accepts names one unit, and no name can be taken for a value.
#include "engine/Catalogue.h"

#include "engine/UnitLookup.h"
#include "numbers/NumericText.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace quorlex {

// Units print as category:position in failure messages.
void PrintTo(const UnitRef &unit, std::ostream *os) {
    *os << unit.category << ':' << unit.unit;
}

} // namespace quorlex

namespace {

using namespace quorlex;

std::string Upper(std::string text) {
    for (char &c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// Every form in which a unit can be named: its accepted names (symbol, aliases, their superscript forms,
// the list text without "- ") and its list and item texts, as written, in capitals, and with blanks around.
std::vector<std::string> EveryForm(const CategoryEntry &category, int unit) {
    std::vector<std::string> forms = AcceptedNames(category.index, unit);
    const auto listText = std::string(category.units[static_cast<std::size_t>(unit)].listText);
    const std::string item = UnitItemText(unit, listText);
    for (const auto &text : {listText, item, forms.back()}) {
        forms.push_back(text);
        forms.push_back(Upper(text));
        forms.push_back(" \t" + text + "\n");
    }
    return forms;
}

TEST(Catalogue, EveryAcceptedFormNamesItsOwnUnitAndNoOtherOfItsCategory) {
    int units = 0;
    for (const auto &category : Catalogue()) {
        for (int unit = 0; unit < static_cast<int>(category.units.size()); ++unit, ++units) {
            for (const auto &form : EveryForm(category, unit)) {
                const auto found = LookupUnit(form);
                int inCategory = 0;
                for (const auto &ref : found) {
                    if (ref.category == category.index) {
                        ++inCategory;
                        EXPECT_EQ(ref.unit, unit) << category.className << ": \"" << form << "\"";
                    }
                }
                EXPECT_EQ(inCategory, 1) << category.className << ": \"" << form << "\"";
                EXPECT_FALSE(IsNumericText(form)) << "\"" << form << "\" reads as a value";
            }
        }
    }
    EXPECT_GT(units, 0);
}

TEST(Catalogue, CategoriesStandAtTheirIndexWithSymbolsInEveryUnit) {
    int position = 0;
    for (const auto &category : Catalogue()) {
        EXPECT_EQ(category.index, position++);
        EXPECT_EQ(FindCategory(category.caption), &category);
        EXPECT_EQ(FindCategory(category.className), &category);
        for (const auto &unit : category.units) {
            EXPECT_FALSE(unit.symbol.empty()) << category.className << unit.listText;
            for (const char c : unit.symbol) {
                EXPECT_TRUE(c > ' ' && c < 0x7F) << category.className << ": " << unit.symbol;
            }
        }
    }
    EXPECT_EQ(position, kCategoryCount);
}

struct Lookup {
    const char *text;
    std::vector<UnitRef> units;
};

void PrintTo(const Lookup &lookup, std::ostream *os) {
    *os << '"' << lookup.text << '"';
}

class UnitLookupTest : public ::testing::TestWithParam<Lookup> {};

TEST_P(UnitLookupTest, FindsExactlyTheseUnits) {
    EXPECT_EQ(LookupUnit(GetParam().text), GetParam().units) << "\"" << GetParam().text << "\"";
}

// Category indexes: 0 Weight, 6 Speed, 9 Fuel Load, 11 Temperature, 13 Angle, 15 Slope, 16 Surface/Volume.
INSTANTIATE_TEST_SUITE_P(
    Names, UnitLookupTest,
    ::testing::Values(Lookup{"Mg", {{0, 5}}}, Lookup{"mg", {}}, Lookup{"tonne", {{0, 5}}}, Lookup{"MG", {}},
                      Lookup{"megagrams", {{0, 5}}}, Lookup{"3- KiloGrams\n", {{0, 3}}},
                      Lookup{"5- KiloGrams", {}}, Lookup{"  tons   per ACRE ", {{9, 2}}},
                      Lookup{"2 -tons per acre", {{9, 2}}}, Lookup{"1-Tons Per Acre", {}},
                      Lookup{"tonne/ha", {{9, 1}}}, Lookup{"t/ac", {}}, Lookup{"tpa", {}}, Lookup{"t", {}},
                      Lookup{"deg", {{13, 0}, {15, 0}}}, Lookup{"- Degrees", {{13, 0}, {15, 0}}},
                      Lookup{"\u00B0F", {{11, 0}}}, Lookup{"K", {{11, 2}}}, Lookup{"k", {}},
                      Lookup{"kt", {{6, 7}}}, Lookup{"knot", {{6, 7}}}, Lookup{"m\u00B2", {{2, 4}}},
                      Lookup{"ft\u00B2/ft\u00B3", {{16, 0}}}, Lookup{"joules", {{8, 0}}}, Lookup{"", {}},
                      Lookup{"-", {}}, Lookup{"0-", {}}));

TEST(Catalogue, FindsCategoriesByCaptionOrClassNameIgnoringCaseAndBlanks) {
    EXPECT_EQ(FindCategory("fuel load")->index, 9);
    EXPECT_EQ(FindCategory("AREA INTENSITY")->index, 4);
    EXPECT_EQ(FindCategory("surfacetovolume")->index, 16);
    EXPECT_EQ(FindCategory("Surface/Volume Ratio")->index, 16);
    EXPECT_EQ(FindCategory(""), nullptr);
    EXPECT_EQ(FindCategory("Volume"), nullptr);
}

} // namespace
