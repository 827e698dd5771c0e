// Temperature and slope: formulas instead of factors, a factor of 0 after every Compute.
#include "engine/Slope.h"
#include "engine/Temperature.h"
#include "errors/RuntimeError.h"
#include "numbers/GeneralText.h"
#include "support/NamedParam.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using quorlex::test::PrintTo;

using namespace quorlex;

struct FormulaCase {
    const char *name;
    int from;
    int to;
    double value;
    const char *resultText;
};

template <class Converter>
void ExpectFormula(const FormulaCase &c) {
    Converter converter;
    converter.SetConversionFactor(12.5);
    converter.SetSourceUnits(c.from);
    converter.SetDesiredUnits(c.to);
    converter.LetSourceValue(c.value);
    const Variant result = converter.Compute();
    ASSERT_TRUE(std::holds_alternative<double>(result));
    EXPECT_EQ(GeneralText(std::get<double>(result)), c.resultText);
    EXPECT_EQ(converter.ConversionFactor(), 0.0);
}

class TemperatureTest : public ::testing::TestWithParam<FormulaCase> {};
TEST_P(TemperatureTest, ConvertsByFormula) {
    ExpectFormula<Temperature>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemperatureTest,
    ::testing::Values(FormulaCase{"BoilingFahrenheitToCelsius", 0, 1, 212, "100"},
                      FormulaCase{"BoilingFahrenheitToKelvin", 0, 2, 212, "373.15"},
                      FormulaCase{"BoilingCelsiusToFahrenheit", 1, 0, 100, "212"},
                      FormulaCase{"MinusFortyIsMinusForty", 1, 0, -40, "-40"},
                      FormulaCase{"FreezingCelsiusToKelvin", 1, 2, 0, "273.15"},
                      FormulaCase{"AbsoluteZeroToCelsius", 2, 1, 0, "-273.15"},
                      FormulaCase{"AbsoluteZeroToFahrenheit", 2, 0, 0, "-459.67"},
                      FormulaCase{"ZeroFahrenheitToCelsius", 0, 1, 0, "-17.7777777777778"},
                      FormulaCase{"FifteenDigitsOfAValueScaledByFiveNinths", 0, 1, 100, "37.7777777777778"},
                      FormulaCase{"AbsoluteZeroFahrenheitToKelvin", 0, 2, -459.67, "0"},
                      FormulaCase{"AbsoluteZeroCelsiusToKelvin", 1, 2, -273.15, "0"},
                      FormulaCase{"SmallDifferenceKeepsItsDigits", 2, 1, 273.1501, "0.0001"},
                      FormulaCase{"HugeValueRoundsItsFifteenthDigitUp", 1, 2, -4.0407156369769254e137,
                                  "-4.04071563697693E+137"},
                      FormulaCase{"FahrenheitUnchanged", 0, 0, 451, "451"},
                      FormulaCase{"CelsiusUnchanged", 1, 1, -3.5, "-3.5"},
                      FormulaCase{"KelvinUnchanged", 2, 2, 300, "300"}),
    [](const auto &info) { return std::string(info.param.name); });

class SlopeTest : public ::testing::TestWithParam<FormulaCase> {};
TEST_P(SlopeTest, ConvertsByFormula) {
    ExpectFormula<Slope>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SlopeTest,
    ::testing::Values(FormulaCase{"FortyFiveDegreesIsOneHundredPercent", 0, 1, 45, "100"},
                      FormulaCase{"OneHundredPercentIsFortyFiveDegrees", 1, 0, 100, "45"},
                      FormulaCase{"MinusOneHundredPercent", 1, 0, -100, "-45"},
                      FormulaCase{"ZeroDegrees", 0, 1, 0, "0"}, FormulaCase{"ZeroPercent", 1, 0, 0, "0"},
                      FormulaCase{"ThirtyDegrees", 0, 1, 30, "57.7350269189626"},
                      FormulaCase{"HalfTurnIsLevel", 0, 1, 180, "0"},
                      FormulaCase{"FullTurnIsLevel", 0, 1, 360, "0"},
                      FormulaCase{"OnePercentToFifteenDigitsOfItsResult", 1, 0, 1, "0.572938697683486"},
                      FormulaCase{"DegreesUnchanged", 0, 0, 12, "12"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Temperature, CancellationGivesPlusZero) {
    Temperature temperature;
    temperature.SetSourceUnits(0);
    temperature.SetDesiredUnits(2);
    temperature.LetSourceValue(-459.67);
    const double kelvin = std::get<double>(temperature.Compute());
    EXPECT_EQ(kelvin, 0.0);
    EXPECT_FALSE(std::signbit(kelvin));
}

TEST(Slope, NinetyDegreesGivesALargeFinitePercentage) {
    Slope slope;
    slope.SetDesiredUnits(1);
    slope.LetSourceValue(90.0);
    const double percent = std::get<double>(slope.Compute());
    EXPECT_TRUE(std::isfinite(percent));
    EXPECT_GT(percent, 1e15);
}

struct OutsideCase {
    const char *name;
    int from;
    int to;
};

class FormulaOutsideTest : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(FormulaOutsideTest, AnIndexOutsideTheCategoryGivesAnEmptyResultAndNoError) {
    Temperature temperature;
    Slope slope;
    for (ConverterBase *converter :
         {static_cast<ConverterBase *>(&temperature), static_cast<ConverterBase *>(&slope)}) {
        converter->SetConversionFactor(3.0);
        converter->SetSourceUnits(GetParam().from);
        converter->SetDesiredUnits(GetParam().to);
        converter->LetSourceValue(10.0);
        EXPECT_TRUE(IsEmpty(converter->Compute())) << converter->ClassName();
        EXPECT_EQ(converter->ConversionFactor(), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FormulaOutsideTest,
                         ::testing::Values(OutsideCase{"SourceThree", 3, 0},
                                           OutsideCase{"DesiredMinusOne", 0, -1},
                                           OutsideCase{"BothOut", 7, 7}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FormulaConverter, EqualUnitsGiveTheStoredValueItself) {
    Temperature temperature;
    EXPECT_TRUE(IsEmpty(temperature.Compute()));
    temperature.LetSourceValue(std::string("12abc"));
    EXPECT_EQ(std::get<std::string>(temperature.Compute()), "12abc");
}

TEST(FormulaConverter, AnEmptyValueCountsAsZero) {
    Temperature temperature;
    temperature.SetDesiredUnits(2);
    EXPECT_EQ(GeneralText(std::get<double>(temperature.Compute())), "255.372222222222");
}

struct BeyondRangeCase {
    const char *name;
    std::int32_t source;
    std::int32_t desired;
    double value;
};

class FormulaBeyondRangeTest : public ::testing::TestWithParam<BeyondRangeCase> {};

TEST_P(FormulaBeyondRangeTest, RaisesOverflowRatherThanGivingAnInfinity) {
    Temperature temperature;
    temperature.SetSourceUnits(GetParam().source);
    temperature.SetDesiredUnits(GetParam().desired);
    temperature.LetSourceValue(GetParam().value);
    try {
        temperature.Compute();
        FAIL();
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.Number(), 6);
    }
}

// The formula itself overflows, or its result is finite but its rounding to 15 digits is not.
INSTANTIATE_TEST_SUITE_P(
    Temperature, FormulaBeyondRangeTest,
    ::testing::Values(BeyondRangeCase{"CelsiusTimesNineFifths", 1, 0, 1e308},
                      BeyondRangeCase{"LargestCelsiusToKelvin", 1, 2, std::numeric_limits<double>::max()},
                      BeyondRangeCase{"LowestKelvinToCelsius", 2, 1, std::numeric_limits<double>::lowest()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FormulaConverter, AnObjectReferenceIsATypeMismatch) {
    Slope slope;
    slope.SetDesiredUnits(1);
    slope.SetSourceValue(ObjectReference{std::make_shared<int>(1)});
    try {
        slope.Compute();
        FAIL();
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.Number(), 13);
    }
}

} // namespace
