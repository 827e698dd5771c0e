// Matrix converters: value times one factor, with the factor recorded and unit indexes checked.
#include "engine/Convert.h"
#include "errors/RuntimeError.h"
#include "numbers/GeneralText.h"
#include "support/NamedParam.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using quorlex::test::PrintTo;

using namespace quorlex;

double ResultOf(UnitConverter &converter, int from, int to, const Variant &value) {
    converter.SetSourceUnits(from);
    converter.SetDesiredUnits(to);
    converter.LetSourceValue(value);
    const Variant result = converter.Compute();
    EXPECT_TRUE(std::holds_alternative<double>(result));
    return std::get<double>(result);
}

std::int32_t ErrorNumberOf(UnitConverter &converter) {
    try {
        converter.Compute();
    } catch (const RuntimeError &error) {
        return error.Number();
    }
    return 0;
}

TEST(MatrixConverter, StartsWithZeroUnitsZeroFactorAndNoValue) {
    const Weight weight;
    EXPECT_EQ(weight.SourceUnits(), 0);
    EXPECT_EQ(weight.DesiredUnits(), 0);
    EXPECT_EQ(weight.ConversionFactor(), 0.0);
    EXPECT_TRUE(IsEmpty(weight.SourceValue()));
}

struct ConversionCase {
    const char *name;
    int category;
    int from;
    int to;
    double value;
    const char *resultText;
    double factor;
};

class MatrixConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(MatrixConversionTest, MultipliesByTheRowColumnFactor) {
    Convert registry;
    auto converter = registry.ConverterOfCategory(GetParam().category);
    const double result = ResultOf(*converter, GetParam().from, GetParam().to, GetParam().value);
    EXPECT_EQ(GeneralText(result), GetParam().resultText);
    EXPECT_EQ(converter->ConversionFactor(), GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatrixConversionTest,
    ::testing::Values(ConversionCase{"GramsToOunces", 0, 0, 1, 100, "3.527", 0.03527},
                      ConversionCase{"PoundsToKilograms", 0, 2, 3, 10, "4.536", 0.4536},
                      ConversionCase{"OuncesToGrams", 0, 1, 0, 1, "28.35", 28.35},
                      ConversionCase{"YardsToYards", 1, 4, 4, 5, "5", 1.0},
                      ConversionCase{"SquareCentimetersToSquareMiles", 2, 0, 8, 1, "3.86113E-11",
                                     3.86113e-11},
                      ConversionCase{"AtmospheresToKilopascals", 12, 4, 0, 2, "202.65", 101.325},
                      ConversionCase{"SurfaceToVolumeFeetToMeters", 16, 0, 1, 1, "3.280839895", 3.280839895},
                      ConversionCase{"NegativeValue", 8, 1, 0, -2, "-8.368", 4.184}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MatrixConverter, AValueNeverSetConvertsAsZero) {
    Weight weight;
    weight.SetSourceUnits(2);
    weight.SetDesiredUnits(0);
    EXPECT_EQ(std::get<double>(weight.Compute()), 0.0);
    EXPECT_EQ(weight.ConversionFactor(), 453.6);
}

TEST(MatrixConverter, ATextValueIsReadByTheValueOfTextRule) {
    Weight weight;
    EXPECT_EQ(ResultOf(weight, 2, 0, std::string("10abc")), 4536.0);
    EXPECT_EQ(ResultOf(weight, 2, 0, std::string("abc")), 0.0);
}

TEST(MatrixConverter, KeepsItsInputsAndRecordsTheLatestFactor) {
    Weight weight;
    ResultOf(weight, 0, 1, 1.0);
    ResultOf(weight, 2, 3, 7.0);
    EXPECT_EQ(weight.ConversionFactor(), 0.4536);
    EXPECT_EQ(weight.SourceUnits(), 2);
    EXPECT_EQ(weight.DesiredUnits(), 3);
    EXPECT_EQ(std::get<double>(weight.SourceValue()), 7.0);
}

struct FailureCase {
    const char *name;
    int from;
    int to;
    Variant value;
    std::int32_t error;
};

class MatrixFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(MatrixFailureTest, RaisesAndLeavesTheFactorUnchanged) {
    Weight weight;
    ResultOf(weight, 0, 1, 1.0);
    weight.SetSourceUnits(GetParam().from);
    weight.SetDesiredUnits(GetParam().to);
    weight.LetSourceValue(GetParam().value);
    EXPECT_EQ(ErrorNumberOf(weight), GetParam().error);
    EXPECT_EQ(weight.ConversionFactor(), 0.03527);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatrixFailureTest,
    ::testing::Values(FailureCase{"DesiredIsN", 0, 6, 1.0, 9}, FailureCase{"DesiredMinusOne", 0, -1, 1.0, 9},
                      FailureCase{"SourceMinusOne", -1, 0, 1.0, 9},
                      FailureCase{"SourceFarOut", 1000, 0, 1.0, 9},
                      FailureCase{"ProductOverflows", 5, 0, 1e308, 6},
                      FailureCase{"InfiniteValue", 0, 0, std::numeric_limits<double>::infinity(), 6},
                      FailureCase{"NaNValue", 0, 1, std::numeric_limits<double>::quiet_NaN(), 6},
                      FailureCase{"TextOverflows", 0, 1, std::string("1E999"), 6},
                      FailureCase{"ObjectReference", 0, 1, ObjectReference{std::make_shared<int>(1)}, 13}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MatrixConverter, SetStoresAnObjectReferenceThatGetHandsBack) {
    Weight weight;
    const ObjectReference object{std::make_shared<int>(42)};
    weight.SetSourceValue(object);
    EXPECT_EQ(std::get<ObjectReference>(weight.SourceValue()), object);
}

} // namespace
