// The VALUE FROM TO rule and the reading of one line in that form.
#include "conversion/ValueFromTo.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace quorlex::conversion;

TEST(IsValueArgument, TakesNumbersAndDashedNonOptions) {
    for (const char *value : {"12.5", "-40", "-.5", "1,5", "&H10", "-&H10", "-5x", "-."}) {
        EXPECT_TRUE(IsValueArgument(value)) << value;
    }
    for (const char *name : {"ton/ac", "-g", "--places", "degC", "-", ""}) {
        EXPECT_FALSE(IsValueArgument(name)) << name;
    }
}

TEST(AssignWords, ValueFirstOrUnitsFirst) {
    Refusal refusal;
    const std::vector<std::string> valueFirst{"12.5", "ton/ac", "Mg/ha"};
    const auto first = AssignWords(valueFirst, refusal);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->from, 1U);
    EXPECT_EQ(first->firstValue, 0U);
    EXPECT_EQ(first->valueEnd, 1U);
    const std::vector<std::string> unitsFirst{"ton/ac", "Mg/ha", "1", "2"};
    const auto units = AssignWords(unitsFirst, refusal);
    ASSERT_TRUE(units);
    EXPECT_EQ(units->from, 0U);
    EXPECT_EQ(units->firstValue, 2U);
    EXPECT_EQ(units->valueEnd, 4U);
    for (const std::vector<std::string> &words :
         {std::vector<std::string>{}, {"1", "g"}, {"1", "g", "kg", "2"}, {"g"}}) {
        refusal = {};
        EXPECT_FALSE(AssignWords(words, refusal));
        EXPECT_EQ(refusal.kind, RefusalKind::Syntax);
    }
}

struct LineCase {
    const char *line;
    int current;
    RefusalKind kind;
    int category = -1;
    int from = -1;
    int to = -1;
    const char *value = "";
};

class ReadConversionLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ReadConversionLineTest, ReadsTheFormOrRefuses) {
    const LineCase &row = GetParam();
    Refusal refusal;
    const auto reading = ReadConversionLine(row.line, row.current, refusal);
    EXPECT_EQ(refusal.kind, row.kind) << refusal.reason;
    ASSERT_EQ(reading.has_value(), row.kind == RefusalKind::None);
    if (reading) {
        EXPECT_EQ(reading->units.category, row.category);
        EXPECT_EQ(reading->units.from, row.from);
        EXPECT_EQ(reading->units.to, row.to);
        EXPECT_EQ(reading->value, row.value);
    } else {
        EXPECT_FALSE(refusal.reason.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadConversionLineTest,
    testing::Values(LineCase{"12.5 ton/ac Mg/ha", -1, RefusalKind::None, 9, 2, 1, "12.5"},
                    LineCase{"  -40\tdegC   degF ", -1, RefusalKind::None, 11, 1, 0, "-40"},
                    LineCase{"2500 g/m2 \"tons per acre\"", -1, RefusalKind::None, 9, 0, 2, "2500"},
                    LineCase{"ton/ac Mg/ha 3", -1, RefusalKind::None, 9, 2, 1, "3"},
                    LineCase{"ton/ac Mg/ha", -1, RefusalKind::None, 9, 2, 1, ""},
                    LineCase{"45 deg %", 13, RefusalKind::None, 15, 0, 1, "45"},
                    LineCase{"45 deg deg", 15, RefusalKind::None, 15, 0, 0, "45"},
                    LineCase{"45 deg deg", 1, RefusalKind::Ambiguous}, LineCase{"", -1, RefusalKind::Syntax},
                    LineCase{"12 \"tons per acre", -1, RefusalKind::Syntax},
                    LineCase{"ton/ac Mg/ha 1 2", -1, RefusalKind::Syntax},
                    LineCase{"1 g", -1, RefusalKind::Syntax},
                    LineCase{"1 g K", -1, RefusalKind::CategoriesDiffer},
                    LineCase{"1 gramz kg", -1, RefusalKind::UnknownUnit},
                    // Units with blanks copied without quotes: the one parting that gives two units.
                    LineCase{"12.5 ton/ac Mg ha-1", -1, RefusalKind::None, 9, 2, 1, "12.5"},
                    LineCase{"12.5 kg m-2 Mg ha-1", -1, RefusalKind::None, 9, 3, 1, "12.5"},
                    LineCase{"12.5 tons per acre Mg/ha", -1, RefusalKind::None, 9, 2, 1, "12.5"},
                    LineCase{"1 kg m-2 kJ/kg", -1, RefusalKind::Syntax},
                    LineCase{"1 m m m m m m m m", -1, RefusalKind::Syntax}));

} // namespace
