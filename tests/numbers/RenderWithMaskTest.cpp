#include "numbers/RenderWithMask.h"

#include "errors/RuntimeError.h"
#include "support/NamedParam.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using quorlex::test::PrintTo;

using quorlex::RenderFixed;

struct RenderCase {
    const char *name;
    double value;
    int places;
    std::string text;
};

class RenderFixedTest : public ::testing::TestWithParam<RenderCase> {};

TEST_P(RenderFixedTest, RoundsHalfAwayFromZeroWithoutExponent) {
    EXPECT_EQ(RenderFixed(GetParam().value, GetParam().places), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RenderFixedTest,
    ::testing::Values(
        RenderCase{"FivePlaces", 0.03527, 5, "0.03527"}, RenderCase{"TwoPlaces", 0.03527, 2, "0.04"},
        RenderCase{"NoPlaces", 0.03527, 0, "0"}, RenderCase{"SevenPlaces", 0.03527, 7, "0.0352700"},
        RenderCase{"PoundsNoPlaces", 453.6, 0, "454"}, RenderCase{"HalfUp", 2.5, 0, "3"},
        RenderCase{"NegativeHalf", -2.5, 0, "-3"}, RenderCase{"DecimalHalf", 1.005, 2, "1.01"},
        RenderCase{"Scientific", 1.5e-05, 5, "0.00002"},
        RenderCase{"ScientificInFull", 1.5e-05, 6, "0.000015"},
        RenderCase{"LargeInteger", 1e20, 0, "100000000000000000000"},
        RenderCase{"NegativeRoundsToZero", -0.001, 2, "0.00"},
        RenderCase{"NegativeTinyNoPlaces", -0.4, 0, "0"}, RenderCase{"Zero", 0.0, 0, "0"},
        RenderCase{"ZeroPlaces", 0.0, 3, "0.000"}, RenderCase{"NegativeZero", -0.0, 1, "0.0"},
        RenderCase{"HalfToOne", 0.5, 0, "1"}, RenderCase{"NegativeHalfToMinusOne", -0.5, 0, "-1"},
        RenderCase{"CarryIntoNewDigit", 9.995, 2, "10.00"}, RenderCase{"CarryToThousand", 999.5, 0, "1000"},
        RenderCase{"RoundsUpAtFirstDroppedPlace", 0.006, 2, "0.01"},
        RenderCase{"BelowHalfAtFirstDroppedPlace", 0.004, 2, "0.00"},
        RenderCase{"Third", 1.0 / 3.0, 25, "0.3333333333333330000000000"},
        RenderCase{"NegativeThirteen", -17.7777777777778, 13, "-17.7777777777778"},
        RenderCase{"Subnormal", 4.9e-324, 25, "0.0000000000000000000000000"},
        RenderCase{"Largest", std::numeric_limits<double>::max(), 2,
                   "179769313486232" + std::string(294, '0') + ".00"},
        RenderCase{"NoGrouping", 1234567.891, 1, "1234567.9"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RenderWithMask, TakesItsPlacesFromThePattern) {
    EXPECT_EQ(quorlex::MaskPlaces("########0"), 0);
    EXPECT_EQ(quorlex::MaskPlaces("########0.0"), 1);
    EXPECT_EQ(quorlex::MaskPlaces("########0.0000"), 4);
    EXPECT_EQ(quorlex::RenderWithMask(453.6, "########0"), "454");
    EXPECT_EQ(quorlex::RenderWithMask(0.03527, "########0.0000000"), "0.0352700");
    EXPECT_EQ(quorlex::RenderWithMask(2.0, "########0." + std::string(25, '0')), "2." + std::string(25, '0'));
}

TEST(RenderWithMask, NonFiniteValuesRaiseOverflow) {
    EXPECT_THROW(RenderFixed(std::numeric_limits<double>::infinity(), 2), quorlex::RuntimeError);
    EXPECT_THROW(RenderFixed(std::numeric_limits<double>::quiet_NaN(), 0), quorlex::RuntimeError);
}

} // namespace
