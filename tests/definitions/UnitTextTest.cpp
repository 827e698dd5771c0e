// Units as written in papers: the reader's sizes and dimensions, the length above and below the line that
// tells an area per area from a pure number, and the refusals of malformed texts with their reasons.
#include "definitions/UnitText.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace {

using namespace quorlex::definitions;

struct TextCase {
    const char *text;
    const char *sameAs; // an expression of the same size and dimension; nullptr: refused
    int lengthAbove = 0;
    int lengthBelow = 0;
    const char *problem = ""; // for a refusal, the start of its reason
    bool unknownSymbol = false;
};

void PrintTo(const TextCase &row, std::ostream *os) {
    *os << '"' << row.text << '"';
}

class UnitTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(UnitTextTest, ReadsAsItsExpressionOrRefusesWithAReason) {
    const TextCase &row = GetParam();
    const UnitText read = ReadUnitText(row.text);
    if (row.sameAs == nullptr) {
        EXPECT_FALSE(read.value.has_value());
        EXPECT_TRUE(read.problem.starts_with(row.problem)) << read.problem;
        EXPECT_EQ(read.unknownSymbol, row.unknownSymbol) << read.problem;
        return;
    }
    ASSERT_TRUE(read.value.has_value()) << read.problem;
    const auto expected = Evaluate(row.sameAs);
    ASSERT_TRUE(expected.has_value()) << row.sameAs;
    EXPECT_TRUE(read.value->size == expected->size) << row.sameAs;
    EXPECT_EQ(read.value->dimension, expected->dimension) << row.sameAs;
    EXPECT_EQ(read.lengthAbove, row.lengthAbove);
    EXPECT_EQ(read.lengthBelow, row.lengthBelow);
}

INSTANTIATE_TEST_SUITE_P(
    Written, UnitTextTest,
    testing::Values(TextCase{"Mg ha-1", "Mg / ha", 0, 2}, TextCase{"Mg\u00B7ha\u207B\u00B9", "Mg / ha", 0, 2},
                    TextCase{"Mg \u22C5 ha^-1", "Mg / ha", 0, 2}, TextCase{"kg m-2", "kg / m^2", 0, 2},
                    TextCase{"kg/m^2", "kg / m^2", 0, 2}, TextCase{"kg/m\u00B2", "kg / m^2", 0, 2},
                    TextCase{"kJ kg-1", "kJ / kg", 2, 0}, TextCase{"kW m-1", "kW / m", 2, 1},
                    TextCase{"m min-1", "m / min", 1, 0}, TextCase{"BTU ft-1 s-1", "BTU / ft / s", 2, 1},
                    TextCase{"lb ft-3", "lb / ft^3", 0, 3}, TextCase{"lb*ft^-3", "lb / ft^3", 0, 3},
                    TextCase{"ha\u22121", "1 / ha", 0, 2}, // the minus sign U+2212
                    // The hyphen before a letter joins tighter than "/".
                    TextCase{"ton/ac-ft", "ton / (ac ft)", 0, 3},
                    TextCase{"ton/ac-in", "ton / (ac in)", 0, 3},
                    // "/" divides by the one unit after it, left to right.
                    TextCase{"kJ/m2/min", "kJ / m^2 / min", 2, 2}, TextCase{"1/ft", "1 / ft", 0, 1},
                    TextCase{"cm2/cm3", "1 / cm", 2, 3}, TextCase{"m2/ha", "m^2 / ha", 2, 2},
                    TextCase{"t ha-1", "Mg / ha", 0, 2}, TextCase{"Btu/lb", "BTU / lb", 2, 0},
                    TextCase{"  m   s-1 ", "m / s", 1, 0},
                    // Refusals: powers out of range or without digits, numbers, stray signs, unknown symbols.
                    TextCase{"m^999", nullptr, 0, 0, "the power 999 is out of range"},
                    TextCase{"m^-", nullptr, 0, 0, "the power after ^ has no digits"},
                    TextCase{"m^0", nullptr, 0, 0, "the power 0 is out of range"},
                    TextCase{"m10", nullptr, 0, 0, "the power 10 is out of range"},
                    TextCase{"m\u207B", nullptr, 0, 0, "the power after \u207B has no digits"},
                    TextCase{"2 m", nullptr, 0, 0, "a unit holds no number but 1"},
                    TextCase{"kg/", nullptr, 0, 0, "a unit is missing at the end"},
                    TextCase{"kg//m", nullptr, 0, 0, "\"/\" is out of place"},
                    TextCase{"kg m-2 \u00E9", nullptr, 0, 0, "\"\u00E9\" is out of place", true},
                    TextCase{"", nullptr, 0, 0, "no unit is written"},
                    TextCase{"psi^9 psi^4", nullptr, 0, 0, "its units' powers add up to more than 12"},
                    TextCase{"psi^9 kn^-9 psi^-9 kn^9 m", "m", 19, 18}, // powers cancel before they count
                    TextCase{"mg", nullptr, 0, 0, "\"mg\" is no unit symbol", true},
                    TextCase{"mw/m", nullptr, 0, 0, "\"mw\" is no unit symbol", true},
                    TextCase{"GW m-1", nullptr, 0, 0, "\"GW\" is no unit symbol", true}));

TEST(UnitText, ATextOverTwoHundredCharactersIsRefused) {
    const std::string longest(kLongestUnitText / 2, 'm');
    std::string spaced;
    for (char c : longest) {
        spaced += c;
        spaced += ' ';
    }
    EXPECT_TRUE(ReadUnitText(spaced.substr(0, kLongestUnitText)).value.has_value());
    const UnitText refused = ReadUnitText(spaced + "m");
    EXPECT_FALSE(refused.value.has_value());
    EXPECT_EQ(refused.problem, "a unit is at most 200 characters");
}

TEST(UnitText, DimensionsAreWrittenMassFirst) {
    EXPECT_EQ(DimensionText(Evaluate("kW / m")->dimension), "kg m s^-3");
    EXPECT_EQ(DimensionText(Evaluate("Pa")->dimension), "kg m^-1 s^-2");
    EXPECT_EQ(DimensionText(Evaluate("m / m")->dimension), "1");
}

} // namespace
