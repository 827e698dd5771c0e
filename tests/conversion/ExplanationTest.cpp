// The working of a conversion: the lines a reader checks it by, each figure worked by hand from the
// definitions (ft = 0.3048 m, lb = 0.45359237 kg, BTU = 1055.05585262 J, cal = 4.184 J, the International
// Table calorie 4.1868 J, kn = 1852 m/h, degree = pi/180 rad).
#include "conversion/Explanation.h"

#include "conversion/UnitChoice.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace quorlex::conversion;

struct ExplanationCase {
    const char *name;
    const char *from;
    const char *to;
    const char *value;
    Factors factors;
    DecimalMark mark;
    std::vector<std::string> lines;  // lines the working must hold, whole
    std::vector<std::string> absent; // texts no line may hold
};

void PrintTo(const ExplanationCase &row, std::ostream *os) {
    *os << row.name;
}

class ExplanationTest : public testing::TestWithParam<ExplanationCase> {};

TEST_P(ExplanationTest, HoldsTheWorking) {
    const ExplanationCase &row = GetParam();
    Refusal refusal;
    const UnitChoice units = ChooseUnits(row.from, row.to, -1, -1, refusal);
    ASSERT_FALSE(refusal) << refusal.reason;
    const auto lines =
        ExplainConversion(units.category, units.from, units.to, row.value, row.factors, row.mark);
    std::string all;
    for (const std::string &line : lines) {
        all += line + "\n";
    }
    for (const std::string &expected : row.lines) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected << "\nin:\n"
                                                                                << all;
    }
    for (const std::string &text : row.absent) {
        EXPECT_EQ(all.find(text), std::string::npos) << text << "\nin:\n" << all;
    }
}

constexpr auto kExact = Factors::Exact;
constexpr auto kTables = Factors::Tables;
constexpr auto kPeriod = DecimalMark::Period;
// Lines too long for one literal on a line.
constexpr const char *kByExactFactor =
    "The result is the value times the exact factor as the nearest double, the product rounded once.";
constexpr const char *kByTableFactor =
    "The result is the value times the window's table factor, as the desktop program gives it.";
constexpr const char *kFootDefinition =
    "  ft (foot) = 12 in  [the international yard and pound (Federal Register "
    "1959-06-30, 24 FR 5348); NIST SP 811 (2008), B.8]";

INSTANTIATE_TEST_SUITE_P(
    Pairs, ExplanationTest,
    testing::Values(
        // 1055.05585262 J / 0.45359237 kg = 2326 J/kg; the window's table has 2.324147175.
        ExplanationCase{"BtuPerPoundIsExact",
                        "BTU/lb",
                        "kJ/kg",
                        "1",
                        kExact,
                        kPeriod,
                        {"1 BTU/lb = 2.326 kJ/kg", "  BTU/lb is BTU / lb", "Exact factor: 2.326 exactly",
                         "The window's table factor: 2.324147175, relative difference -7.97E-04",
                         kByExactFactor},
                        {"The calorie here"}},
        // 4184 J/kg / 2326 J/kg = 2092/1163; with 4.1868 J, 4186.8 / 2326 = 1.8.
        ExplanationCase{
            "CaloriePerGramBothCalories",
            "cal/g",
            "BTU/lb",
            "1",
            kExact,
            kPeriod,
            {"1 cal/g = 1.798796216681 BTU/lb",
             "Exact factor: 2092/1163 = 1.798796216681 to 15 significant digits",
             "The calorie here is the thermochemical calorie, 4.184 J: 1 cal/g is 1.798796216681 "
             "BTU/lb. With the International Table calorie, 4.1868 J, which many tables use, 1 cal/g "
             "is 1.8 BTU/lb."},
            {}},
        // The other way the calorie divides: 1163/2092, and 1/1.8 with the International Table calorie.
        ExplanationCase{
            "CalorieInTheTargetUnit",
            "BTU/lb",
            "cal/g",
            "1",
            kExact,
            kPeriod,
            {"Exact factor: 1163/2092 = 0.555927342256214 to 15 significant digits",
             "The calorie here is the thermochemical calorie, 4.184 J: 1 BTU/lb is 0.555927342256214 "
             "cal/g. With the International Table calorie, 4.1868 J, which many tables use, 1 BTU/lb "
             "is 0.555555555555556 cal/g."},
            {}},
        // A calorie on both sides cancels: 1000 cal / 10000 cm2 = 0.1 cal/cm2, whichever calorie.
        ExplanationCase{"CalorieOnBothSidesNoNote",
                        "kcal/m2",
                        "cal/cm2",
                        "1",
                        kExact,
                        kPeriod,
                        {"1 kcal/m2 = 0.1 cal/cm2", "Exact factor: 0.1 exactly"},
                        {"International Table calorie"}},
        // The window's survey-based 0.3048006 against 0.3048 exactly: 6e-7 / 0.3048 = 1.97e-6.
        ExplanationCase{"TablesGiveTheWindowsResult",
                        "ft",
                        "m",
                        "1",
                        kTables,
                        kPeriod,
                        {"1 ft = 0.3048006 m", "Exact factor: 0.3048 exactly",
                         "The window's table factor: 0.3048006, relative difference 1.97E-06", kByTableFactor,
                         kFootDefinition},
                        {"as the nearest double"}},
        ExplanationCase{"AUnitToItself",
                        "kg",
                        "kg",
                        "2",
                        kExact,
                        kPeriod,
                        {"2 kg = 2 kg", "Exact factor: 1 exactly", "The window's table factor: 1, the same"},
                        {"Definitions", "rounded factors"}},
        // 1000 m / 1852 m = 250/463, whose nearest double prints ...723 (not ...724).
        ExplanationCase{"KnotIsAFraction",
                        "km/h",
                        "kn",
                        "1",
                        kExact,
                        kPeriod,
                        {"Exact factor: 250/463 = 0.539956803455723 to 15 significant digits",
                         "  kn (knot) = 1852 m / h  [NIST SP 811 (2008), Appendix B.8]"},
                        {}},
        ExplanationCase{"DegreeThroughPi",
                        "deg",
                        "rad",
                        "1",
                        kExact,
                        kPeriod,
                        {"Exact factor: 1/180 × π = 0.0174532925199433 to 15 significant digits"},
                        {}},
        ExplanationCase{
            "TemperatureIsAFormula",
            "degC",
            "degF",
            "30",
            kExact,
            kPeriod,
            {"30 degC = 86 degF", "Temperature converts by a formula, not a factor: °F = °C × 9/5 + 32"},
            {"Exact factor", "table factor"}},
        ExplanationCase{"SlopeIsAFormula",
                        "%",
                        "deg",
                        "100",
                        kTables,
                        kPeriod,
                        {"100 % = 45 deg", "Slope converts by a formula, not a factor: ° = atan(% / 100)"},
                        {"Exact factor"}},
        // 12.5 / 0.45359237 = 27.5577827731097; the value and result keep the decimal comma.
        ExplanationCase{"DecimalComma",
                        "kg",
                        "lb",
                        " 12,5 ",
                        kExact,
                        DecimalMark::Comma,
                        {"12,5 kg = 27,5577827731097 lb",
                         "Exact factor: 100000000/45359237 = 2.20462262184878 to 15 significant digits"},
                        {}},
        ExplanationCase{"NoResultLineForANonNumber",
                        "kg",
                        "lb",
                        "abc",
                        kExact,
                        kPeriod,
                        {"Weight converts by a factor: the ratio of the two units' definitions."},
                        {"abc"}}));

TEST(ExplanationTest, StartsWithTheResultAndNamesEveryUnitOnTheWayToSi) {
    Refusal refusal;
    const UnitChoice units = ChooseUnits("psi", "kPa", -1, -1, refusal);
    const auto lines = ExplainConversion(units.category, units.from, units.to, "1");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "1 psi = 6.89475729316836 kPa");
    // psi = lb g_n / in^2, then each of those, then the pascal itself.
    for (const char *symbol : {"  psi (", "  lb (", "  g_n (", "  in (", "  kPa (", "  Pa ("}) {
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [symbol](const std::string &line) {
            return line.starts_with(symbol);
        })) << symbol;
    }
}

} // namespace
