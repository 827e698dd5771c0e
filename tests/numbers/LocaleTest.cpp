// The number texts must not follow the process locale: a decimal-comma locale may not turn a period into
// a comma, nor make "1,5" a number. German is such a locale on Linux (de_DE.UTF-8) and on Windows
// (German_Germany.1252).
#include "numbers/GeneralText.h"
#include "numbers/NumericText.h"
#include "numbers/RenderWithMask.h"
#include "numbers/ValueOfText.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

class DecimalCommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                break;
            }
        }
        char probe[16];
        std::snprintf(probe, sizeof probe, "%g", 1.5);
        if (std::strcmp(probe, "1,5") != 0) {
            std::setlocale(LC_ALL, "C");
            GTEST_SKIP() << "no decimal-comma locale on this machine (./test generates de_DE.UTF-8)";
        }
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(DecimalCommaLocale, ReadingKeepsThePeriod) {
    EXPECT_EQ(quorlex::ValueOfText("0.03527"), 0.03527);
    EXPECT_EQ(quorlex::ValueOfText("1,5"), 1.0);
}

TEST_F(DecimalCommaLocale, WritingKeepsThePeriod) {
    EXPECT_EQ(quorlex::GeneralText(0.03527), "0.03527");
    EXPECT_EQ(quorlex::GeneralText(1.5e-05), "1.5E-05");
    EXPECT_EQ(quorlex::RenderFixed(1234.5, 2), "1234.50");
}

TEST_F(DecimalCommaLocale, NumericTestKeepsCommasForGrouping) {
    EXPECT_FALSE(quorlex::IsNumericText("1,5"));
    EXPECT_EQ(quorlex::ReadNumericText("1,000").value_or(0), 1000.0);
    EXPECT_EQ(quorlex::ReadNumericText("2.5").value_or(0), 2.5);
}

} // namespace
