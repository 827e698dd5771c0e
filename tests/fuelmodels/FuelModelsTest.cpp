// The standard fuel models against published cells, and the exact conversion of a custom fuel model
// file's fields. The file's reading and checks are exercised through the command line's cases
// (tests/cli/cases/fuelmodels.cases).
#include "fuelmodels/FmdConversion.h"
#include "fuelmodels/FmdFile.h"
#include "fuelmodels/StandardModels.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace quorlex::fuelmodels;

struct PublishedCell {
    std::string_view code;
    Field field;
    std::string_view value;
    std::string_view source; // where the cell is printed; each also in firelab's behave table
};

// A sample of cells, a few from every group of models, as the tables print them.
const PublishedCell kCells[] = {
    {"FM1", Field::Sav1h, "3500", "Anderson (1982) / Albini (1976)"},
    {"FM4", Field::LoadWoody, "5.01", "Anderson (1982), Table 1"},
    {"FM7", Field::Extinction, "40", "Anderson (1982), Table 1"},
    {"FM12", Field::Depth, "2.3", "Anderson (1982), Table 1"},
    {"FM13", Field::Load100h, "28.05", "Anderson (1982), Table 1"},
    {"GR1", Field::SavHerb, "2000", "Scott and Burgan (2005), Table 7"},
    {"GR6", Field::HeatDead, "9000", "Scott and Burgan (2005), Table 7"},
    {"GR9", Field::LoadHerb, "9.00", "Scott and Burgan (2005), Table 7"},
    {"GS4", Field::LoadWoody, "7.10", "Scott and Burgan (2005), Table 7"},
    {"SH3", Field::SavWoody, "1400", "Scott and Burgan (2005), Table 7"},
    {"SH5", Field::Sav1h, "750", "Scott and Burgan (2005), Table 7"},
    {"SH9", Field::Depth, "4.4", "Scott and Burgan (2005), Table 7"},
    {"TU4", Field::Extinction, "12", "Scott and Burgan (2005), Table 7"},
    {"TU5", Field::SavWoody, "750", "Scott and Burgan (2005), Table 7"},
    {"TL8", Field::Load1h, "5.80", "Scott and Burgan (2005), Table 7"},
    {"TL9", Field::Load100h, "4.15", "Scott and Burgan (2005), Table 7"},
    {"SB1", Field::Load100h, "11.00", "Scott and Burgan (2005), Table 7"},
    {"SB4", Field::Depth, "2.7", "Scott and Burgan (2005), Table 7"},
};

class PublishedCells : public testing::TestWithParam<PublishedCell> {};

TEST_P(PublishedCells, HoldThePublishedValue) {
    const PublishedCell &cell = GetParam();
    const StandardModel *model = FindStandardModel(cell.code);
    ASSERT_NE(model, nullptr) << cell.code;
    EXPECT_EQ(model->values[static_cast<std::size_t>(cell.field)], cell.value)
        << cell.code << " " << FieldLabel(cell.field) << ", " << cell.source;
}

INSTANTIATE_TEST_SUITE_P(Sample, PublishedCells, testing::ValuesIn(kCells));

TEST(StandardModels, AreTheThirteenAndTheFortyWithTheirNumbersTypesAndCodes) {
    std::set<int> numbers;
    std::set<std::string_view> codes;
    int dynamic = 0;
    for (const StandardModel &model : StandardModels()) {
        numbers.insert(model.number);
        codes.insert(model.code);
        dynamic += model.dynamic ? 1 : 0;
        EXPECT_EQ(FindStandardModel(std::to_string(model.number)), &model);
    }
    EXPECT_EQ(numbers.size(), 53u);
    EXPECT_EQ(codes.size(), 53u);
    // Scott and Burgan (2005): the GR and GS models, SH1, SH9, TU1 and TU3 are dynamic.
    EXPECT_EQ(dynamic, 17);
    EXPECT_EQ(FindStandardModel("sh5"), FindStandardModel("145"));
    EXPECT_EQ(FindStandardModel("SH10"), nullptr);
    EXPECT_TRUE(IsStandardNumber(90));
    EXPECT_FALSE(IsStandardNumber(14));
}

// Every published cell in metric units and back gives the published value at the decimals it is
// published with.
TEST(StandardModels, ComeBackFromMetricAsPublished) {
    for (const StandardModel &model : StandardModels()) {
        for (int i = 0; i < kFieldCount; ++i) {
            const auto field = static_cast<Field>(i);
            const std::string_view published = model.values[static_cast<std::size_t>(i)];
            const std::string metric = StandardValue(model, field, UnitSystem::Metric);
            const auto back =
                ConvertField(QuantityOf(field), metric, UnitSystem::Metric, UnitSystem::English);
            ASSERT_TRUE(back.has_value());
            const auto point = published.find('.');
            const double half =
                0.5 * std::pow(10.0, point == std::string_view::npos
                                         ? 0.0
                                         : -static_cast<double>(published.size() - point - 1));
            EXPECT_NEAR(*ValueOf(*back), *ValueOf(published), half)
                << model.code << " " << FieldLabel(field) << ": " << metric << " back to " << *back;
        }
    }
}

struct Conversion {
    Quantity quantity;
    std::string_view english;
    std::string_view metric;
};

// Worked by hand from the definitions: 1 BTU/lb = 2.326 kJ/kg; 1 ft = 30.48 cm; 1 ton/ac =
// 907.18474 kg / 4046.8564224 m2 = 2.2417023114... t/ha.
const Conversion kConversions[] = {
    {Quantity::Heat, "8000", "18608"},  {Quantity::Depth, "0.600", "18.3"}, {Quantity::Depth, "1", "30"},
    {Quantity::Load, "2.250", "5.044"}, {Quantity::Load, "1", "2"},         {Quantity::Sav, "2000", "65.62"},
    {Quantity::Percent, "25", "25"},    {Quantity::Load, "0.000", "0.000"}, {Quantity::Load, "-1.5", "-3.4"},
    {Quantity::Depth, "1e1", "305"},
};

class Conversions : public testing::TestWithParam<Conversion> {};

TEST_P(Conversions, ToMetricWithTheDigitsTheOriginalShows) {
    const Conversion &c = GetParam();
    EXPECT_EQ(ConvertField(c.quantity, c.english, UnitSystem::English, UnitSystem::Metric), c.metric);
}

INSTANTIATE_TEST_SUITE_P(Fields, Conversions, testing::ValuesIn(kConversions));

TEST(Conversions, RefuseTextsThatAreNoNumbers) {
    for (const std::string_view text : {"", ".", "-", "1,5", "1e", "1e99", "0x10", "nan", "1 2", "12abc"}) {
        EXPECT_FALSE(ReadDecimal(text).has_value()) << text;
    }
}

struct Refused {
    std::string text;
    std::size_t line;
    std::string_view message;
};

// What makes a text no custom fuel model file; the command line reads at most one byte past the limit,
// so a file of 100 MB is refused as this one of 2 MiB is.
TEST(FmdFile, RefusesTextsThatAreNoFuelModelFile) {
    const std::string model = "19 2.250 1.500 3.710 0.000 1.000 2000 1800 1500 0.600 25 8000 8000\n";
    std::string large = "ENGLISH\n";
    while (large.size() <= 2 * kMostFileBytes) {
        large += model;
    }
    const Refused refused[] = {
        {large, 1 + kMostFileBytes / model.size() + 1, "goes on past 1 MiB"},
        {"ENGLISH\n" + std::string(kMostFileBytes + 1, '1'), 2, "goes on past 1 MiB"},
        {"ENGLISH\n19 2\x01\n", 2, "control character 0x01"},
        {"", 0, "empty"},
        {"ENGLISH\r20 G 1 0 0 0 0 static 2000 1800 1500 1 20 8000 8000 A\r", 1, "not CR alone"},
        {"\xEF\xBB\xBFMETRIC\r\n\r\n# none\r\n", 3, "no fuel model in its 3 lines"},
    };
    for (const Refused &r : refused) {
        FmdFault fault;
        EXPECT_FALSE(ReadFmd(r.text, fault).has_value()) << r.message;
        EXPECT_EQ(fault.line, r.line) << r.message;
        EXPECT_NE(fault.message.find(r.message), std::string::npos) << fault.message;
    }
}

} // namespace
