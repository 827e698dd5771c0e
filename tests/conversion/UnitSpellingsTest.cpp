// Field spellings: each names the unit its symbol names, outside the window only, with its letter case;
// the spellings that raise a question or name no measure are refused with their reasons.
#include "conversion/UnitSpellings.h"

#include "conversion/UnitChoice.h"
#include "engine/UnitLookup.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace quorlex;
using namespace quorlex::conversion;

TEST(UnitSpellings, EachNamesTheUnitOfItsSymbolAndNotInTheWindow) {
    for (const Spelling &spelling : Spellings()) {
        Refusal refusal;
        const auto named = UnitsNamed(spelling.text, refusal);
        ASSERT_EQ(named.size(), 1U) << spelling.text;
        EXPECT_FALSE(refusal) << spelling.text;
        EXPECT_EQ(ClassNameOf(named[0].category), spelling.className) << spelling.text;
        EXPECT_EQ(SymbolOf(named[0].category, named[0].unit), spelling.symbol) << spelling.text;
        EXPECT_TRUE(LookupUnit(spelling.text).empty()) << spelling.text << " is the window's already";
    }
}

struct RefusedCase {
    const char *text;
    const char *reason;
};

void PrintTo(const RefusedCase &row, std::ostream *os) {
    *os << '"' << row.text << '"';
}

class RefusedSpellingTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedSpellingTest, RefusedWithItsReason) {
    Refusal refusal;
    EXPECT_TRUE(UnitsNamed(GetParam().text, refusal).empty());
    if (refusal.reason.empty()) {
        // A name nothing is known about gets the nearest names when the units are chosen.
        (void)ChooseUnits(GetParam().text, "m", -1, -1, refusal);
    }
    EXPECT_EQ(refusal.reason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, RefusedSpellingTest,
    testing::Values(
        RefusedCase{"t/ac", "t/ac: ton/ac (short tons per acre) or Mg/ha (tonnes per hectare)?"},
        RefusedCase{" t/ac ", "t/ac: ton/ac (short tons per acre) or Mg/ha (tonnes per hectare)?"},
        RefusedCase{"tpa",
                    "\"tpa\" names no unit: trees per acre is a count of trees, which no category measures"},
        RefusedCase{"TPA",
                    "\"TPA\" names no unit: trees per acre is a count of trees, which no category measures"},
        // Letter case counts for spellings as for symbols; a near miss is offered the spelling.
        RefusedCase{"Mph",
                    "\"Mph\" names no unit; nearest: \"mph\" (Speed), \"kph\" (Speed), \"MPH\" (Speed)"},
        RefusedCase{"FPM", "\"FPM\" names no unit"}));

} // namespace
