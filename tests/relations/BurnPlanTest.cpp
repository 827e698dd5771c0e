#include "relations/Calculation.h"
#include "relations/PostfixFormula.h"
#include "relations/QuantityUnits.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace quorlex::relations {
namespace {

using conversion::DecimalMark;

// The answer in the formula's unit, with full digits, the inputs as "VALUE" and "UNIT" pairs ("" for none;
// inputs past the pairs left out).
Answer Calculate(std::string_view id, const std::vector<std::pair<std::string, std::string>> &inputs) {
    const Relation *relation = FindRelation(id);
    EXPECT_NE(relation, nullptr) << id;
    std::vector<InputChoice> choices(relation->inputs.size(), InputChoice{false, InputChoice::kNoUnit});
    std::vector<std::string_view> texts(relation->inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        choices[i].given = true;
        texts[i] = inputs[i].first;
        if (!inputs[i].second.empty()) {
            std::string problem;
            choices[i].unit = FindUnit(relation->inputs[i], inputs[i].second, problem);
            EXPECT_GE(choices[i].unit, 0) << problem;
        }
    }
    const Calculator calculator(*relation, choices, -1, conversion::ResultStyle::General, 0,
                                DecimalMark::Period);
    return calculator.Compute(texts);
}

// Published cells and worked examples, each answer in the relation's formula unit.
struct Cell {
    std::string id;
    std::vector<std::pair<std::string, std::string>> inputs;
    double expected;
    double tolerance;
    std::string source;
};

class PublishedCellTest : public testing::TestWithParam<Cell> {};

TEST_P(PublishedCellTest, GivesTheSourcesValue) {
    const Cell &cell = GetParam();
    const Answer answer = Calculate(cell.id, cell.inputs);
    ASSERT_TRUE(answer) << answer.message;
    EXPECT_NEAR(answer.value, cell.expected, cell.tolerance) << cell.source;
}

INSTANTIATE_TEST_SUITE_P(
    Sources, PublishedCellTest,
    testing::Values(
        // Relative humidity table of US Army TM 5-3610-285-14 (sea level), read to the whole percent.
        Cell{"rh", {{"68", "degF"}, {"62", "degF"}, {"0", "ft"}}, 71.0, 0.5, "TM 5-3610-285-14: 68 °F, 6 °F"},
        // BehavePlus's tests.
        Cell{"ignition",
             {{"80", "degF"}, {"6", ""}, {"50", ""}},
             54.831705,
             5E-7,
             "BehavePlus: 80 °F, 6 %, 50 %"},
        // 7.6173155 ft by the formula alone: BehavePlus's 7.617325 differs in the sixth digit, where its
        // units' conversions round.
        Cell{"scorch-height",
             {{"50", "BTU/ft/s"}, {"5", "mi/h"}, {"80", "degF"}},
             7.617325,
             1E-5,
             "BehavePlus: 50 BTU/ft/s, 5 mi/h, 80 °F"},
        // Van Wagner (1977) fitted C = 0.010 to a fire that crowned at about 2500 kW/m under a 6 m base.
        Cell{"crown-initiation", {{"6", "m"}, {"100", ""}}, 2500.0, 50.0, "Van Wagner 1977, his fire"},
        Cell{"crown-active", {{"0.15", "kg/m3"}}, 20.0, 1E-12, "Van Wagner 1977: 3.0 / CBD"},
        // USGS: one inch on a 1:24,000 map is 2000 ft.
        Cell{"map-distance", {{"1", "in"}, {"1:24,000", ""}}, 609.6, 1E-9, "USGS 1:24,000"}));

// The ratio as Anderson's curve in m/s writes it, 0.936 e^(0.2566 U) + 0.461 e^(−0.1548 U) − 0.397: the
// same as the mi/h form within its coefficients' rounding, for winds given in m/s.
class LengthToWidthInMetresTest : public testing::TestWithParam<double> {};

TEST_P(LengthToWidthInMetresTest, AgreesWithTheMetricForm) {
    const double wind = GetParam();
    const Answer answer = Calculate("length-to-width", {{std::to_string(wind), "m/s"}});
    ASSERT_TRUE(answer) << answer.message;
    const double metric = 0.936 * std::exp(0.2566 * wind) + 0.461 * std::exp(-0.1548 * wind) - 0.397;
    EXPECT_NEAR(answer.value, std::min(metric, 8.0), 1E-3 * metric);
}

INSTANTIATE_TEST_SUITE_P(Winds, LengthToWidthInMetresTest, testing::Values(0.0, 1.0, 2.5, 5.0, 8.0, 12.0));

// Above freezing BehavePlus's humidity from the dew point (in °F) is the vapour pressure over the
// saturation pressure at the air temperature (Buck 1981): the definition, within 0.06 % RH.
TEST(Humidity, AgreesWithTheVapourPressureRatio) {
    for (const double dry : {10.0, 20.0, 35.0, 45.0}) {
        for (const double depression : {0.5, 3.0, 8.0}) {
            const double wet = dry - depression;
            const double pressure = 1013.0 * std::exp(-0.0000375 * 3000.0);
            const auto saturation = [](double t) { return 6.1121 * std::exp(17.502 * t / (240.97 + t)); };
            const double vapour = saturation(wet) - 0.00066 * (1 + 0.00115 * wet) * depression * pressure;
            const Answer answer = Calculate(
                "rh", {{std::to_string(dry), "degC"}, {std::to_string(wet), "degC"}, {"3000", "ft"}});
            ASSERT_TRUE(answer) << answer.message;
            EXPECT_NEAR(answer.value, 100 * vapour / saturation(dry), 0.06) << dry << " " << wet;
        }
    }
}

TEST(Humidity, SaturatedAirIsAHundredPercentAtItsOwnDewPoint) {
    const Answer rh = Calculate("rh", {{"15", "degC"}, {"15", "degC"}, {"5000", "ft"}});
    const Answer dew = Calculate("dew-point", {{"15", "degC"}, {"15", "degC"}, {"5000", "ft"}});
    EXPECT_NEAR(rh.value, 100.0, 1E-9);
    EXPECT_NEAR(dew.value, 15.0, 1E-9);
}

TEST(CrownInitiation, SaysNothingOfTorchingWithoutASurfaceIntensity) {
    EXPECT_EQ(Calculate("crown-initiation", {{"6", "m"}, {"100", ""}}).chartLine, "");
    EXPECT_EQ(
        Calculate("crown-initiation", {{"6", "m"}, {"100", ""}, {"2475", "kW/m"}}).chartLine.rfind("no ", 0),
        0U);
    EXPECT_EQ(Calculate("crown-initiation", {{"6", "m"}, {"100", ""}, {"2477", "kW/m"}})
                  .chartLine.rfind("torching", 0),
              0U);
}

// A formula of the tables that did not read would stand as "X = 0".
TEST(Tables, EveryFormulaReads) {
    for (const Relation &relation : Relations()) {
        EXPECT_NE(relation.FormulaText(), std::string(relation.output.sign) + " = 0") << relation.id;
    }
}

TEST(PostfixFormula, RefusesWhatIsNoFormula) {
    const std::vector<Quantity> inputs{{"x", "x", "x", "", "", {}, {}}};
    for (const std::string_view text : {"", "1 +", "x y", "1 2", "x 2 ^ exp", "1/ x *"}) {
        bool ok = true;
        (void)PostfixFormula(text, inputs, {}, ok);
        EXPECT_FALSE(ok) << text;
    }
    bool ok = false;
    EXPECT_EQ(PostfixFormula("-1.5 x * 7/6 ^", inputs, {}, ok).Text(), "(\u22121.5 × x)^(7/6)");
    EXPECT_TRUE(ok);
}

struct ScaleCase {
    std::string text;
    DecimalMark mark;
    std::optional<double> denominator;
};

class MapScaleTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(MapScaleTest, ReadsTheWrittenForms) {
    const ScaleCase &row = GetParam();
    EXPECT_EQ(MapScale(row.text, row.mark), row.denominator) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, MapScaleTest,
    testing::Values(ScaleCase{"1:24,000", DecimalMark::Period, 24000.0},
                    ScaleCase{" 1 : 1,000,000 ", DecimalMark::Period, 1E6},
                    ScaleCase{"1:24,000", DecimalMark::Comma, 24000.0}, // a ratio's commas group thousands
                    ScaleCase{"24,000", DecimalMark::Period, 24000.0},
                    ScaleCase{"24,5", DecimalMark::Comma, 24.5}, ScaleCase{"1:30", DecimalMark::Period, 30.0},
                    ScaleCase{"1:24,00", DecimalMark::Period, std::nullopt},
                    ScaleCase{"1:,000", DecimalMark::Period, std::nullopt},
                    ScaleCase{"2:24000", DecimalMark::Period, std::nullopt},
                    ScaleCase{"1:", DecimalMark::Period, std::nullopt}));

} // namespace
} // namespace quorlex::relations
