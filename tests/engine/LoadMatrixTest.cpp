#include "engine/LoadMatrix.h"

#include "errors/RuntimeError.h"
#include "support/NamedParam.h"

#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace {

using quorlex::test::PrintTo;

using quorlex::ConversionMatrix;
using quorlex::LoadMatrix;

std::vector<double> Cells(const ConversionMatrix &matrix) {
    std::vector<double> cells;
    for (int r = 0; r < matrix.Size(); ++r) {
        for (int c = 0; c < matrix.Size(); ++c) {
            cells.push_back(matrix.At(r, c));
        }
    }
    return cells;
}

struct LoadCase {
    const char *name;
    std::int16_t n;
    std::string text;
    std::vector<double> cells; // row after row
};

class LoadMatrixTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadMatrixTest, FillsRowAfterRow) {
    ConversionMatrix matrix;
    LoadMatrix(matrix, GetParam().n, GetParam().text);
    EXPECT_EQ(matrix.Size(), GetParam().n);
    EXPECT_EQ(Cells(matrix), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LoadMatrixTest,
    ::testing::Values(
        LoadCase{"Exact", 2, "1, 2, 3, 4", {1, 2, 3, 4}}, LoadCase{"OneMissing", 2, "1, 2, 3", {1, 2, 3, 0}},
        LoadCase{"Surplus", 2, "1, 2, 3, 4, 5", {1, 2, 3, 4}},
        LoadCase{"TrailingComma", 2, "1, 2, 3, 4,", {1, 2, 3, 4}},
        LoadCase{"EmptyPiece", 2, "1, , 3, 4", {1, 0, 3, 4}},
        LoadCase{"WordPiece", 2, "one, 2, 3, 4", {0, 2, 3, 4}}, LoadCase{"Empty", 2, "", {0, 0, 0, 0}},
        LoadCase{"OnlyCommas", 2, ",,,,,,", {0, 0, 0, 0}},
        LoadCase{"BlanksTabsNewlines", 2, " 1 ,\t2\t,\n3\n,   4   ", {1, 2, 3, 4}},
        LoadCase{"TrailingGarbage", 2, "12abc, 2, 3, 4", {12, 2, 3, 4}},
        LoadCase{"ExponentsWithZeros", 2, "1.000E-06, 5.000E-04, 1D2, -2.5", {0.000001, 0.0005, 100, -2.5}},
        LoadCase{"HexAndOctal", 2, "&H10, &O10, 1, 1", {16, 8, 1, 1}}, LoadCase{"OneByOne", 1, " 7 ", {7}},
        LoadCase{"ThreeByThree",
                 3,
                 " 1, -17.22222222, 255.7777778, 33.8, 1, 274, -457.6, -272, 1",
                 {1, -17.22222222, 255.7777778, 33.8, 1, 274, -457.6, -272, 1}},
        LoadCase{"NineByNineCounting", 9,
                 [] {
                     std::string text;
                     for (int i = 0; i < 81; ++i) {
                         text += std::to_string(i) + (i < 80 ? "," : "");
                     }
                     return text;
                 }(),
                 [] {
                     std::vector<double> cells(81);
                     std::iota(cells.begin(), cells.end(), 0.0);
                     return cells;
                 }()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LoadMatrix, ASecondLoadLeavesNoTraceOfTheFirst) {
    ConversionMatrix matrix;
    LoadMatrix(matrix, 3, "9, 9, 9, 9, 9, 9, 9, 9, 9");
    LoadMatrix(matrix, 2, "1, 2");
    EXPECT_EQ(Cells(matrix), (std::vector<double>{1, 2, 0, 0}));
}

TEST(LoadMatrix, AMatrixLargerThanNineUnitsLoadsLikeAnyOther) {
    std::string text;
    for (int i = 0; i < 144; ++i) {
        text += std::to_string(i) + ", ";
    }
    ConversionMatrix matrix;
    LoadMatrix(matrix, 12, text);
    EXPECT_EQ(matrix.At(0, 0), 0.0);
    EXPECT_EQ(matrix.At(11, 11), 143.0);
    LoadMatrix(matrix, 2, "1, 2, 3, 4");
    EXPECT_EQ(Cells(matrix), (std::vector<double>{1, 2, 3, 4}));
}

TEST(LoadMatrix, ASizeBelowOneRaisesSubscriptOutOfRange) {
    ConversionMatrix matrix;
    for (const std::int16_t n : {std::int16_t{0}, std::int16_t{-1}}) {
        try {
            LoadMatrix(matrix, n, "1");
            FAIL() << n;
        } catch (const quorlex::RuntimeError &error) {
            EXPECT_EQ(error.Number(), 9);
        }
    }
}

// A text whose first comma stands at the given 1-based position, after "1,2,3," at the start.
std::string TextWithCommaAt(std::size_t position) {
    std::string text = "1,2,3,";
    text += std::string(position - text.size() - 2, ' ');
    text += "4,5";
    return text;
}

class LoadMatrixOverflowTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(LoadMatrixOverflowTest, ACommaBeyondTheSixteenBitRangeRaisesOverflowKeepingEarlierCells) {
    const std::string text = TextWithCommaAt(GetParam());
    ASSERT_EQ(text.find(',', 6), GetParam() - 1);
    ConversionMatrix matrix;
    try {
        LoadMatrix(matrix, 3, text);
        FAIL() << "no overflow";
    } catch (const quorlex::RuntimeError &error) {
        EXPECT_EQ(error.Number(), 6);
    }
    EXPECT_EQ(Cells(matrix), (std::vector<double>{1, 2, 3, 0, 0, 0, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Positions, LoadMatrixOverflowTest, ::testing::Values(32767u, 32768u, 40000u));

TEST(LoadMatrix, ACommaJustBelowTheLimitStillLoads) {
    ConversionMatrix matrix;
    LoadMatrix(matrix, 2, TextWithCommaAt(32766));
    EXPECT_EQ(Cells(matrix), (std::vector<double>{1, 2, 3, 4}));
}

TEST(LoadMatrix, ALongTextWithoutFurtherCommasReadsItsRest) {
    ConversionMatrix matrix;
    LoadMatrix(matrix, 2, "1,2,3," + std::string(40000, ' ') + "4");
    EXPECT_EQ(Cells(matrix), (std::vector<double>{1, 2, 3, 4}));
}

TEST(LoadMatrix, ANumberTooLargeForADoubleRaisesOverflowKeepingEarlierCells) {
    ConversionMatrix matrix;
    EXPECT_THROW(LoadMatrix(matrix, 2, "1, 2, 1E999, 4"), quorlex::RuntimeError);
    EXPECT_EQ(Cells(matrix), (std::vector<double>{1, 2, 0, 0}));
}

} // namespace
