// The units two names choose, and the refusals with their reasons free of command-line options.
#include "conversion/UnitChoice.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace quorlex::conversion;

struct ChoiceCase {
    const char *name;
    const char *from;
    const char *to;
    int category;
    int preferred;
    RefusalKind kind;
    // The chosen category and units, or the start of the reason for a refusal.
    int chosen = -1;
    int fromUnit = -1;
    int toUnit = -1;
    const char *reason = "";
};

void PrintTo(const ChoiceCase &row, std::ostream *os) {
    *os << row.name;
}

class ChooseUnitsTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseUnitsTest, ChoosesOrRefusesWithItsReason) {
    const ChoiceCase &row = GetParam();
    Refusal refusal;
    const UnitChoice units = ChooseUnits(row.from, row.to, row.category, row.preferred, refusal);
    EXPECT_EQ(refusal.kind, row.kind) << refusal.reason;
    if (row.kind == RefusalKind::None) {
        EXPECT_EQ(units.category, row.chosen);
        EXPECT_EQ(units.from, row.fromUnit);
        EXPECT_EQ(units.to, row.toUnit);
        EXPECT_TRUE(refusal.reason.empty());
    } else {
        EXPECT_TRUE(refusal.reason.starts_with(row.reason)) << refusal.reason;
        // The reason is the program's own words; the options belong to the command line.
        EXPECT_EQ(refusal.reason.find("--"), std::string::npos) << refusal.reason;
        EXPECT_EQ(refusal.reason.find("-c "), std::string::npos) << refusal.reason;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ChooseUnitsTest,
    testing::Values(
        ChoiceCase{"Symbols", "ton/ac", "Mg/ha", -1, -1, RefusalKind::None, 9, 2, 1},
        ChoiceCase{"ListTextAndIndex", "tons per acre", "FuelLoad:1", -1, -1, RefusalKind::None, 9, 2, 1},
        ChoiceCase{"SettledByTheOtherUnit", "deg", "rad", -1, -1, RefusalKind::None, 13, 0, 1},
        ChoiceCase{"SettledByThePreferredCategory", "deg", "deg", -1, 15, RefusalKind::None, 15, 0, 0},
        ChoiceCase{"ForcedCategory", "deg", "%", 15, -1, RefusalKind::None, 15, 0, 1},
        ChoiceCase{"PreferenceNotShared", "deg", "deg", -1, 0, RefusalKind::Ambiguous, -1, -1, -1,
                   "\"deg\" and \"deg\" fit both Angle and Slope"},
        ChoiceCase{"Unknown", "tonnes per acer", "Mg/ha", -1, -1, RefusalKind::UnknownUnit, -1, -1, -1,
                   "\"tonnes per acer\" names no unit; nearest:"},
        ChoiceCase{"UnknownInCategory", "g", "K", 9, -1, RefusalKind::UnknownUnit, -1, -1, -1,
                   "\"g\" names no unit of Fuel Load"},
        ChoiceCase{"IndexBeyond", "FuelLoad:99", "g", -1, -1, RefusalKind::UnitIndex, -1, -1, -1,
                   "\"FuelLoad:99\": FuelLoad has the units 0 to"},
        ChoiceCase{
            "Differ", "g", "K", -1, -1, RefusalKind::CategoriesDiffer, -1, -1, -1,
            "\"g\" is a unit of Weight and \"K\" of Temperature: both units must be of one category"}));

TEST(ChooseCategory, RefusesAnUnknownNameListingTheCategories) {
    Refusal refusal;
    EXPECT_EQ(ChooseCategory("fuel load", refusal), 9);
    EXPECT_FALSE(refusal);
    EXPECT_EQ(ChooseCategory("Fuel", refusal), -1);
    EXPECT_EQ(refusal.kind, RefusalKind::UnknownCategory);
    EXPECT_EQ(refusal.reason.rfind("\"Fuel\" is no category; the categories: Weight, Length", 0), 0U);
}

TEST(ListNameOf, DropsThePositionDash) {
    EXPECT_EQ(ListNameOf(9, 2), "Tons Per Acre");
    EXPECT_EQ(SymbolOf(9, 2), "ton/ac");
}

} // namespace
