// The unit definitions as data: every named unit reads down to SI, the expression reader refuses what is
// malformed, and the chain of definitions names each unit's source.
#include "definitions/UnitDefinitions.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace {

using namespace quorlex::definitions;

TEST(UnitDefinitions, EveryNamedUnitReadsDownToSiWithASource) {
    for (const NamedUnit &unit : NamedUnits()) {
        EXPECT_FALSE(unit.source.empty()) << unit.symbol;
        EXPECT_TRUE(Evaluate(unit.symbol).has_value()) << unit.symbol;
        EXPECT_EQ(FindNamedUnit(unit.symbol), &unit) << unit.symbol << " is named twice";
        if (!unit.definition.empty()) {
            EXPECT_TRUE(Evaluate(unit.definition).has_value()) << unit.symbol << " = " << unit.definition;
        }
    }
}

struct ExpressionCase {
    const char *expression;
    const char *exactDecimal; // nullptr: refused; empty: read, but its decimal does not terminate
    Dimension dimension;
};

void PrintTo(const ExpressionCase &row, std::ostream *os) {
    *os << '"' << row.expression << '"';
}

class EvaluateTest : public testing::TestWithParam<ExpressionCase> {};

TEST_P(EvaluateTest, ReadsTheSizeAndDimension) {
    const ExpressionCase &row = GetParam();
    const auto value = Evaluate(row.expression);
    if (row.exactDecimal == nullptr) {
        EXPECT_FALSE(value.has_value()) << row.expression;
        return;
    }
    ASSERT_TRUE(value.has_value()) << row.expression;
    const std::string expected = row.exactDecimal;
    EXPECT_EQ(value->size.ExactDecimal(),
              expected.empty() ? std::nullopt : std::optional<std::string>(expected))
        << row.expression;
    EXPECT_EQ(value->dimension, row.dimension) << row.expression;
}

// Sizes worked by hand from the published definitions.
INSTANTIATE_TEST_SUITE_P(
    Expressions, EvaluateTest,
    testing::Values(ExpressionCase{"ft", "0.3048", {{1, 0, 0, 0}}},
                    ExpressionCase{"mi", "1609.344", {{1, 0, 0, 0}}},      // 5280 × 0.3048
                    ExpressionCase{"ac", "4046.8564224", {{2, 0, 0, 0}}},  // 43560 × 0.3048²
                    ExpressionCase{"ch / h", "0.005588", {{1, 0, -1, 0}}}, // 20.1168 m / 3600 s
                    ExpressionCase{"BTU / lb", "2326", {{2, 0, -2, 0}}},   // J/kg
                    ExpressionCase{"psi", "", {{-1, 1, -2, 0}}},           // 8896443230521/1290320000 Pa
                    ExpressionCase{"kn", "", {{1, 0, -1, 0}}},             // 1852/3600 m/s
                    ExpressionCase{"kcal / m / s", "4184", {{1, 1, -3, 0}}},
                    ExpressionCase{"1 / ft", "", {{-1, 0, 0, 0}}}, // 1/0.3048 per m
                    ExpressionCase{"kg m^-3", "1", {{-3, 1, 0, 0}}},
                    // NIST SP 811 (2008), B.8: 1.333224 E+02 Pa, 3.386389 E+03 Pa, 3.6 E+06 J, 4.1868 J
                    ExpressionCase{"mmHg", "133.322387415", {{-1, 1, -2, 0}}},
                    ExpressionCase{"inHg", "3386.388640341", {{-1, 1, -2, 0}}},
                    ExpressionCase{"kWh", "3600000", {{2, 1, -2, 0}}},
                    ExpressionCase{"cal_IT", "4.1868", {{2, 1, -2, 0}}},
                    ExpressionCase{"mbar / hPa", "1", {{0, 0, 0, 0}}},
                    // The survey foot is 1200/3937 m, the survey mile 5280 survey feet.
                    ExpressionCase{"3937 ftUS", "1200", {{1, 0, 0, 0}}},
                    ExpressionCase{"3937 miUS", "6336000", {{1, 0, 0, 0}}},
                    ExpressionCase{"(ft)^2", "0.09290304", {{2, 0, 0, 0}}},
                    ExpressionCase{"2 * 3 / 4", "1.5", {{0, 0, 0, 0}}}, ExpressionCase{"ft^", nullptr, {}},
                    ExpressionCase{"(ft", nullptr, {}}, ExpressionCase{"furlong", nullptr, {}},
                    ExpressionCase{"ft ^ 999", nullptr, {}}, ExpressionCase{"", nullptr, {}}));

TEST(UnitDefinitions, TheChainNamesEveryStepAndItsSource) {
    const std::string chain = DefinitionChain("BTU / lb");
    EXPECT_NE(chain.find("BTU (British thermal unit (International Table)) = 1055.05585262 J"),
              std::string::npos)
        << chain;
    EXPECT_NE(chain.find("lb (pound (avoirdupois)) = 0.45359237 kg"), std::string::npos) << chain;
    EXPECT_NE(chain.find("J (joule) = kg m^2 / s^2"), std::string::npos) << chain;
    EXPECT_NE(chain.find("Properties of Steam"), std::string::npos) << chain;
    EXPECT_EQ(DefinitionChain("m / s"), "");
}

} // namespace
