#include "errors/modErrorHandling.h"

#include "errors/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

using namespace quorlex;

TEST(GetErrorText, AnswersTheFallbackForEveryNumber) {
    for (const std::int32_t number : {0, 1, 6, 9999, -1, 2147483647, -2147483647 - 1}) {
        EXPECT_EQ(modErrorHandling::GetErrorText(number), "An unknown error has occurred!") << number;
    }
}

TEST(RaiseError, RaisesTheNumberAboveTheObjectErrorBaseWithSourceAndDescription) {
    try {
        modErrorHandling::RaiseError(9999, "Convert:Weight Property Get");
        FAIL() << "RaiseError returned";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.Number(), -2147211505);
        EXPECT_EQ(error.Source(), "Convert:Weight Property Get");
        EXPECT_EQ(error.Description(), "An unknown error has occurred!");
        EXPECT_STREQ(error.what(), "An unknown error has occurred!");
    }
}

TEST(RaiseError, ANumberThatLeavesTheThirtyTwoBitRangeRaisesOverflow) {
    try {
        modErrorHandling::RaiseError(-2147483647, "here");
        FAIL() << "RaiseError returned";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.Number(), 6);
        EXPECT_EQ(error.Description(), "Overflow");
        EXPECT_EQ(error.Source(), "here");
    }
}

struct StandardCase {
    std::int32_t number;
    const char *description;
};

class StandardErrorTest : public ::testing::TestWithParam<StandardCase> {};

TEST_P(StandardErrorTest, CarriesItsStandardDescription) {
    try {
        RaiseStandardError(GetParam().number, "Quorlex.Test");
        FAIL();
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.Number(), GetParam().number);
        EXPECT_EQ(error.Description(), GetParam().description);
        EXPECT_EQ(error.Source(), "Quorlex.Test");
    }
}

INSTANTIATE_TEST_SUITE_P(Numbers, StandardErrorTest,
                         ::testing::Values(StandardCase{6, "Overflow"},
                                           StandardCase{9, "Subscript out of range"},
                                           StandardCase{13, "Type mismatch"}));

} // namespace
