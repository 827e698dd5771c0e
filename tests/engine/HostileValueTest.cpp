// Hostile texts for the value box (tests/data/hostile-values.tsv) through the numeric test, its reading and
// the engine's part of the Compute command: each is refused, reported as overflow, or read as exactly the
// number it shows and converted to a result that can be shown.
#include "engine/Convert.h"
#include "errors/RuntimeError.h"
#include "numbers/GeneralText.h"
#include "numbers/NumericText.h"
#include "numbers/RenderWithMask.h"
#include "numbers/ValueOfText.h"
#include "support/HostileValues.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using quorlex::test::HostileValue;

using namespace quorlex;

const std::vector<HostileValue> &Rows() {
    static const std::vector<HostileValue> rows =
        quorlex::test::LoadHostileValues(QUORLEX_TEST_DATA_DIR "/hostile-values.tsv");
    return rows;
}

double Expected(const std::string &number) {
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    EXPECT_EQ(result.ec, std::errc{}) << "bad expectation " << number;
    return value;
}

bool ShowsNonFinite(const std::string &text) {
    return text.find_first_of("iInN") != std::string::npos;
}

// The rows whose text reads to a number: those the Compute command converts.
std::vector<HostileValue> ConvertibleRows() {
    std::vector<HostileValue> rows;
    for (const HostileValue &row : Rows()) {
        if (row.expected != "refused" && row.expected != "overflow") {
            rows.push_back(row);
        }
    }
    return rows;
}

std::string TestName(const ::testing::TestParamInfo<HostileValue> &info) {
    std::string name = info.param.name;
    for (char &c : name) {
        if (c == '-') {
            c = '_';
        }
    }
    return name;
}

class HostileValueTest : public ::testing::TestWithParam<HostileValue> {};
class ConvertibleHostileValueTest : public ::testing::TestWithParam<HostileValue> {};

TEST(HostileValues, TheDataFileHoldsAtLeast200Texts) {
    EXPECT_GE(Rows().size(), 200U);
}

TEST_P(HostileValueTest, IsRefusedReportedAsOverflowOrReadAsTheNumberItShows) {
    const HostileValue &row = GetParam();
    if (row.expected == "refused") {
        EXPECT_FALSE(IsNumericText(row.text));
        EXPECT_EQ(ReadNumericText(row.text), std::nullopt);
    } else if (row.expected == "overflow") {
        EXPECT_TRUE(IsNumericText(row.text));
        try {
            const auto value = ReadNumericText(row.text);
            ADD_FAILURE() << "read as " << value.value_or(0.0) << " instead of overflow";
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.Number(), kErrOverflow);
        }
    } else {
        EXPECT_TRUE(IsNumericText(row.text));
        const auto value = ReadNumericText(row.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, Expected(row.expected));
    }
}

struct UnitPair {
    int category;
    std::int32_t source;
    std::int32_t desired;
};

// A small factor, the largest factor of its table (megagrams to grams), and both formula converters.
constexpr UnitPair kPairs[] = {{0, 0, 1}, {0, 5, 0}, {11, 1, 0}, {15, 0, 1}};

TEST_P(ConvertibleHostileValueTest, ConvertsToAResultThatCanBeShownOrRaisesOverflow) {
    const double value = Expected(GetParam().expected);
    for (const UnitPair &pair : kPairs) {
        SCOPED_TRACE("category " + std::to_string(pair.category));
        const Convert registry;
        const auto converter = registry.ConverterOfCategory(pair.category);
        converter->SetSourceUnits(pair.source);
        converter->SetDesiredUnits(pair.desired);
        converter->LetSourceValue(value);
        Variant result;
        try {
            result = converter->Compute();
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.Number(), kErrOverflow);
            EXPECT_GT(std::abs(value), 1e300) << "only a value near the top of the range may overflow";
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<double>(result));
        const double number = std::get<double>(result);
        ASSERT_TRUE(std::isfinite(number));
        const std::string shown = GeneralText(number);
        EXPECT_FALSE(ShowsNonFinite(shown)) << shown;
        EXPECT_FALSE(ShowsNonFinite(RenderFixed(number, 25))) << shown;
        if (std::abs(number) < 1.79769313486231e308) {
            EXPECT_EQ(GeneralText(ValueOfText(shown)), shown) << "the shown result reads back";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileValueTest, ::testing::ValuesIn(Rows()), TestName);
INSTANTIATE_TEST_SUITE_P(Texts, ConvertibleHostileValueTest, ::testing::ValuesIn(ConvertibleRows()),
                         TestName);

} // namespace
