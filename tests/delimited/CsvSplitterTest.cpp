#include "delimited/CsvSplitter.h"

#include "support/NamedParam.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using quorlex::test::PrintTo;

using quorlex::delimited::CsvFault;
using quorlex::delimited::CsvFieldText;
using quorlex::delimited::CsvRecord;
using quorlex::delimited::CsvSplitter;

// A record as the tests state it: its field texts, its line ending and the line it starts on.
struct Row {
    std::vector<std::string> fields;
    std::string ending;
    std::uint64_t line;
    bool operator==(const Row &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Row &row) {
    os << "line " << row.line << ":";
    for (const auto &field : row.fields) {
        os << " [" << field << "]";
    }
    return os << " ending " << row.ending.size() << " bytes";
}

struct Split {
    std::vector<Row> rows;
    std::string rejoined; // every record's bytes and ending, one after the other
    CsvFault fault = CsvFault::None;
    std::uint64_t faultLine = 0;
};

// Splits a whole input. With `window` > 0 the splitter first sees only `window` bytes and `window` more
// each time it asks for more, as a stream arrives in pieces.
Split SplitAll(const std::string &input, char delimiter, std::size_t window) {
    Split result;
    CsvSplitter splitter(delimiter);
    CsvRecord record;
    std::string scratch;
    std::size_t offset = 0;
    std::size_t available = window == 0 ? input.size() : window;
    for (;;) {
        const std::size_t size = std::min(available, input.size() - offset);
        const bool final = offset + size == input.size();
        const auto status = splitter.Split(std::string_view(input).substr(offset, size), final, record);
        if (status == CsvSplitter::Result::NeedMore) {
            available += window;
            continue;
        }
        if (status == CsvSplitter::Result::End) {
            return result;
        }
        if (status == CsvSplitter::Result::Malformed) {
            result.fault = splitter.Fault();
            result.faultLine = splitter.FaultLine();
            return result;
        }
        Row row{{}, std::string(record.ending), record.line};
        for (const auto &field : record.fields) {
            row.fields.emplace_back(CsvFieldText(record, field, scratch));
        }
        result.rows.push_back(row);
        result.rejoined.append(record.bytes).append(record.ending);
        offset += record.Size();
        available = window == 0 ? input.size() : window;
    }
}

struct SplitCase {
    const char *name;
    std::string input;
    char delimiter;
    std::vector<Row> rows;
};

class CsvSplitterTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CsvSplitterTest, GivesTheFieldsAndEveryByteBack) {
    const auto &param = GetParam();
    for (const std::size_t window : {std::size_t{0}, std::size_t{1}}) {
        const Split split = SplitAll(param.input, param.delimiter, window);
        EXPECT_EQ(split.fault, CsvFault::None);
        EXPECT_EQ(split.rows, param.rows) << "window " << window;
        EXPECT_EQ(split.rejoined, param.input) << "window " << window;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, CsvSplitterTest,
    ::testing::Values(
        SplitCase{"Plain", "id,load\n1,2.5\n", ',', {{{"id", "load"}, "\n", 1}, {{"1", "2.5"}, "\n", 2}}},
        SplitCase{
            "CrLf", "id,load\r\n1,2.5\r\n", ',', {{{"id", "load"}, "\r\n", 1}, {{"1", "2.5"}, "\r\n", 2}}},
        SplitCase{"MixedEndingsAndNoFinalOne",
                  "a\r\nb\nc",
                  ',',
                  {{{"a"}, "\r\n", 1}, {{"b"}, "\n", 2}, {{"c"}, "", 3}}},
        SplitCase{"QuotedDelimiterQuoteAndLineFeed",
                  "\"x,y\",\"say \"\"hi\"\"\",\"two\nlines\"\n3,4\n",
                  ',',
                  {{{"x,y", "say \"hi\"", "two\nlines"}, "\n", 1}, {{"3", "4"}, "\n", 3}}},
        SplitCase{
            "CrLfInsideQuotes", "\"a\r\nb\"\r\nc\r\n", ',', {{{"a\r\nb"}, "\r\n", 1}, {{"c"}, "\r\n", 3}}},
        SplitCase{"BlankLines",
                  "a\n\n\r\nb\n",
                  ',',
                  {{{"a"}, "\n", 1}, {{""}, "\n", 2}, {{""}, "\r\n", 3}, {{"b"}, "\n", 4}}},
        SplitCase{"EmptyFields", ",,\n\"\",x\n", ',', {{{"", "", ""}, "\n", 1}, {{"", "x"}, "\n", 2}}},
        SplitCase{"LoneCrIsData", "a\rb,c\r", ',', {{{"a\rb", "c\r"}, "", 1}}},
        SplitCase{"QuoteInsideUnquotedField", "ab\"c,d\n", ',', {{{"ab\"c", "d"}, "\n", 1}}},
        SplitCase{"BytesAfterClosingQuote", "\"ab\"cd,e\n", ',', {{{"abcd", "e"}, "\n", 1}}},
        SplitCase{"QuotedFieldAtTheEnd", "a,\"b\"", ',', {{{"a", "b"}, "", 1}}},
        SplitCase{"Tab", "a\tb,c\n", '\t', {{{"a", "b,c"}, "\n", 1}}},
        SplitCase{"Semicolon", "1,5;\"2;5\"\n", ';', {{{"1,5", "2;5"}, "\n", 1}}}),
    [](const auto &info) { return std::string(info.param.name); });

struct FaultCase {
    const char *name;
    std::string input;
    CsvFault fault;
    std::uint64_t line;
};

class CsvFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CsvFaultTest, IsRefusedAtTheLineTheRecordStarts) {
    const auto &param = GetParam();
    for (const std::size_t window : {std::size_t{0}, std::size_t{65536}}) {
        const Split split = SplitAll(param.input, ',', window);
        EXPECT_EQ(split.fault, param.fault) << "window " << window;
        EXPECT_EQ(split.faultLine, param.line) << "window " << window;
    }
}

const std::string kLongest(CsvSplitter::kMaxRecordBytes, 'x');

INSTANTIATE_TEST_SUITE_P(
    Inputs, CsvFaultTest,
    ::testing::Values(FaultCase{"UnclosedQuote", "a\nb,\"c\nd\n", CsvFault::UnclosedQuote, 2},
                      FaultCase{"Nul", "a\nb\nc\0d\n"s, CsvFault::Nul, 3},
                      FaultCase{"NulInsideQuotes", "\"a\0\"\n"s, CsvFault::Nul, 1},
                      FaultCase{"OneByteTooLong", kLongest + "x\n", CsvFault::TooLong, 1},
                      FaultCase{"TooLongWithoutLineEnd", "a\n" + kLongest + "x", CsvFault::TooLong, 2},
                      FaultCase{"UnclosedQuoteSwallowingTheFile", "\"" + kLongest + "\n1\n",
                                CsvFault::TooLong, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CsvSplitterLimit, TakesARecordOfExactly1MiBWithItsCrLf) {
    const Split split = SplitAll(kLongest + "\r\n" + "next\n", ',', 65536);
    ASSERT_EQ(split.fault, CsvFault::None);
    ASSERT_EQ(split.rows.size(), 2U);
    EXPECT_EQ(split.rows[0].fields[0].size(), CsvSplitter::kMaxRecordBytes);
    EXPECT_EQ(split.rows[0].ending, "\r\n");
}

} // namespace
