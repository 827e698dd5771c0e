// The formulas of the categories that convert by formula: their texts, and that each one computes what
// the converter computes, so a formula shown is the formula used.
#include "engine/UnitFormulas.h"

#include "engine/Catalogue.h"
#include "engine/ConversionRun.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace quorlex;

constexpr int kTemperature = 11;
constexpr int kSlope = 15;

struct FormulaCase {
    int category;
    int from;
    int to;
    const char *text;
};

class UnitFormulaTextTest : public testing::TestWithParam<FormulaCase> {};

TEST_P(UnitFormulaTextTest, ReadsAsWritten) {
    const FormulaCase &row = GetParam();
    EXPECT_EQ(UnitFormulaText(row.category, row.from, row.to), row.text);
}

INSTANTIATE_TEST_SUITE_P(EveryPair, UnitFormulaTextTest,
                         testing::Values(FormulaCase{kTemperature, 0, 0, "°F = °F"},
                                         FormulaCase{kTemperature, 0, 1, "°C = (°F − 32) × 5/9"},
                                         FormulaCase{kTemperature, 0, 2, "K = (°F − 32) × 5/9 + 273.15"},
                                         FormulaCase{kTemperature, 1, 0, "°F = °C × 9/5 + 32"},
                                         FormulaCase{kTemperature, 1, 1, "°C = °C"},
                                         FormulaCase{kTemperature, 1, 2, "K = °C + 273.15"},
                                         FormulaCase{kTemperature, 2, 0, "°F = (K − 273.15) × 9/5 + 32"},
                                         FormulaCase{kTemperature, 2, 1, "°C = K − 273.15"},
                                         FormulaCase{kTemperature, 2, 2, "K = K"},
                                         FormulaCase{kSlope, 0, 0, "° = °"},
                                         FormulaCase{kSlope, 0, 1, "% = tan(°) × 100"},
                                         FormulaCase{kSlope, 1, 0, "° = atan(% / 100)"},
                                         FormulaCase{kSlope, 1, 1, "% = %"}));

TEST(UnitFormula, ComputesWhatTheConverterComputes) {
    for (const int category : {kTemperature, kSlope}) {
        const auto &entry = Catalogue()[category];
        const auto converter = entry.makeConverter();
        const int units = static_cast<int>(entry.units.size());
        for (int from = 0; from < units; ++from) {
            for (int to = 0; to < units; ++to) {
                for (const double value : {-40.0, 0.0, 12.5, 45.0, 100.0, 1234.5}) {
                    const Variant result = ComputeResult(*converter, from, to, value);
                    const double expected = std::get<double>(result);
                    const double actual = UnitFormula(category, from, to)->Evaluate(value);
                    EXPECT_NEAR(actual, expected, 1E-9 * std::max(1.0, std::fabs(expected)))
                        << entry.className << " " << from << " to " << to << " of " << value;
                }
            }
        }
    }
}

TEST(UnitFormula, NoneForCategoriesThatConvertByFactor) {
    EXPECT_FALSE(UnitFormula(0, 0, 1));
    EXPECT_EQ(UnitFormulaText(13, 0, 1), "");
}

TEST(Formula, ParenthesesOnlyWhereTheOrderNeedsThem) {
    const Formula a = Formula::Quantity("a");
    const Formula b = Formula::Number(2, "2");
    const Formula c = Formula::Number(3, "3");
    EXPECT_EQ((a - (b - c)).Text(), "a − (2 − 3)");
    EXPECT_EQ((a - b - c).Text(), "a − 2 − 3");
    EXPECT_EQ((a + (b + c)).Text(), "a + 2 + 3");
    EXPECT_EQ((a / (b * c)).Text(), "a / (2 × 3)");
    EXPECT_EQ((a * b + c).Text(), "a × 2 + 3");
    EXPECT_EQ(((a + b) * c).Text(), "(a + 2) × 3");
    EXPECT_DOUBLE_EQ((a / (b * c)).Evaluate(12), 2.0);
    EXPECT_DOUBLE_EQ((a - (b - c)).Evaluate(1), 2.0);
}

} // namespace
