// The exact factors over the whole catalogue: every unit of a factor category is defined, the units of a
// category share one dimension, factors compose exactly, and no exact factor strays far from the window's
// table (which would be a mistyped definition).
#include "conversion/ExactFactors.h"

#include "conversion/CategoryUnits.h"
#include "conversion/UnitChoice.h"
#include "conversion/ValueConverter.h"
#include "definitions/UnitDefinitions.h"
#include "engine/Catalogue.h"
#include "engine/ConversionRun.h"
#include "engine/UnitConverter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace quorlex;
using namespace quorlex::conversion;

bool IsFormulaCategory(const CategoryEntry &category) {
    return category.units.front().factors.empty();
}

TEST(ExactFactors, EveryUnitOfAFactorCategoryIsDefinedInTheCategorysDimension) {
    for (const auto &category : Catalogue()) {
        EXPECT_EQ(HasExactFactors(category.index), !IsFormulaCategory(category)) << category.className;
        if (IsFormulaCategory(category)) {
            continue;
        }
        const auto first = definitions::Evaluate(ExactExpressionOf(category.index, 0));
        ASSERT_TRUE(first.has_value()) << category.className;
        for (int unit = 0; unit < UnitCount(category.index); ++unit) {
            const auto value = definitions::Evaluate(ExactExpressionOf(category.index, unit));
            ASSERT_TRUE(value.has_value()) << category.className << ' ' << SymbolOf(category.index, unit);
            EXPECT_EQ(value->dimension, first->dimension)
                << category.className << ' ' << SymbolOf(category.index, unit);
        }
    }
}

TEST(ExactFactors, ComposeExactlyAndStayNearTheWindowsTables) {
    // The window's tables round to about six digits and mix the survey foot, older calories and BTUs: all
    // of that stays within 0.1 %. A definition mistyped by a digit would not.
    constexpr double kLargestTableDifference = 1E-3;
    for (const auto &category : Catalogue()) {
        if (IsFormulaCategory(category)) {
            continue;
        }
        const auto converter = category.makeConverter();
        const int count = static_cast<int>(category.units.size());
        for (int a = 0; a < count; ++a) {
            EXPECT_EQ(ExactFactor(category.index, a, a), 1.0);
            for (int b = 0; b < count; ++b) {
                const auto ab = ExactRatioOf(category.index, a, b);
                EXPECT_EQ(*ab * *ExactRatioOf(category.index, b, a), definitions::ExactRatio());
                for (int c = 0; c < count; ++c) {
                    EXPECT_EQ(*ab * *ExactRatioOf(category.index, b, c), *ExactRatioOf(category.index, a, c));
                }
                const double table = std::get<double>(ComputeResult(*converter, a, b, 1.0));
                const double exact = ExactFactor(category.index, a, b);
                EXPECT_LT(std::fabs(table - exact) / exact, kLargestTableDifference)
                    << category.className << ' ' << SymbolOf(category.index, a) << " -> "
                    << SymbolOf(category.index, b) << ": table " << table << ", exact " << exact;
            }
        }
    }
}

TEST(ExactFactors, EveryUnitIsNamedByItsNamesAloneAndTheTablesTakeOnlyTheWindowsUnits) {
    for (const auto &category : Catalogue()) {
        const int window = static_cast<int>(category.units.size());
        EXPECT_EQ(WindowUnitCount(category.index), window);
        for (int unit = 0; unit < UnitCount(category.index); ++unit) {
            for (const std::string &name : NamesOfUnit(category.index, unit)) {
                EXPECT_EQ(LookupAnyUnitIn(category.index, name), unit) << category.className << ' ' << name;
            }
            const UnitChoice pair{category.index, unit, 0};
            EXPECT_EQ(TablesProblem(pair, Factors::Tables).empty(), unit < window)
                << category.className << ' ' << SymbolOf(category.index, unit);
            EXPECT_EQ(TablesProblem(pair, Factors::Exact), "");
        }
    }
}

struct ExactCase {
    const char *className;
    const char *from;
    const char *to;
    const char *value;
    const char *exact;  // worked by hand from the definitions
    const char *tables; // the window's answer, as the desktop program gives it
};

class ExactAnswerTest : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactAnswerTest, ConvertsByTheDefinitionsAndOnRequestByTheTables) {
    const ExactCase &row = GetParam();
    Refusal refusal;
    const UnitChoice units =
        ChooseUnits(row.from, row.to, ChooseCategory(row.className, refusal), -1, refusal);
    ASSERT_FALSE(refusal) << refusal.reason;
    for (const auto &[factors, expected] :
         {std::pair{Factors::Exact, row.exact}, std::pair{Factors::Tables, row.tables}}) {
        ValueConverter converter(units, ResultStyle::Automatic, 0, DecimalMark::Period, factors);
        std::string result;
        EXPECT_EQ(converter.Convert(row.value, result), ValueConverter::Refusal::None);
        EXPECT_EQ(result, expected) << row.value << ' ' << row.from << " -> " << row.to;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, ExactAnswerTest,
    testing::Values(ExactCase{"HeatContent", "BTU/lb", "kJ/kg", "1", "2.326",
                              "2.324147175"}, // 1055.05585262/453.59237
                    ExactCase{"HeatContent", "cal/g", "kJ/kg", "1", "4.184", "4.183925359"},
                    ExactCase{"Length", "ft", "in", "1", "12", "12"},
                    ExactCase{"Length", "m", "ft", "1", "3.28083989501312", "3.280833437"}, // 1/0.3048
                    ExactCase{"Length", "mi", "ft", "1", "5280", "5280"},
                    ExactCase{"Area", "ac", "m2", "1", "4046.8564224", "4046.872355"}, // 43560 × 0.3048²
                    ExactCase{"Speed", "ch/h", "m/min", "10", "3.3528", "3.35281011"}, // 10 × 20.1168/60
                    ExactCase{"HeatUnitArea", "kcal/m2", "kJ/m2", "1", "4.184", "4.1832"},
                    ExactCase{"Pressure", "atm", "kPa", "1", "101.325", "101.325"},
                    ExactCase{"Angle", "deg", "rad", "180", "3.14159265358979", "3.14159274"}));

} // namespace
