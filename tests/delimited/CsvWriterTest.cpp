#include "delimited/CsvWriter.h"

#include "delimited/CsvSplitter.h"
#include "support/NamedParam.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using quorlex::test::PrintTo;

using quorlex::delimited::CsvRecord;
using quorlex::delimited::CsvSplitter;
using quorlex::delimited::WriteCsvRecord;

struct WriteCase {
    const char *name;
    std::string record; // one record as read, with its line ending
    std::size_t column;
    std::string text;
    bool replace;
    char delimiter;
    std::string expected;
};

// What the writer writes for the case's record.
std::string Written(const WriteCase &param) {
    CsvSplitter splitter(param.delimiter);
    CsvRecord record;
    EXPECT_EQ(splitter.Split(param.record, true, record), CsvSplitter::Result::Record);
    std::string written;
    WriteCsvRecord(written, record, param.column, param.text, param.replace, param.delimiter);
    return written;
}

class CsvWriterTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(CsvWriterTest, KeepsEveryOtherByteAndQuotesOnlyWhenNeeded) {
    EXPECT_EQ(Written(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Records, CsvWriterTest,
    ::testing::Values(
        WriteCase{"InsertAfterFirst", "1,2.5,x\r\n", 0, "9", false, ',', "1,9,2.5,x\r\n"},
        WriteCase{"InsertAfterLast", "1,2.5", 1, "9", false, ',', "1,2.5,9"},
        WriteCase{"ReplaceKeepsNeighboursQuoting", "\"a\",\" 2.5\",\"b\"\"\"\n", 1, "9", true, ',',
                  "\"a\",9,\"b\"\"\"\n"},
        WriteCase{"QuotesTheDelimiter", "1\n", 0, "1,5", false, ',', "1,\"1,5\"\n"},
        WriteCase{"OtherDelimiterNeedsNoQuotes", "1\n", 0, "1,5", false, ';', "1;1,5\n"},
        WriteCase{"DoublesQuotes", "a\n", 0, "x \"y\" [kg]", true, ',', "\"x \"\"y\"\" [kg]\"\n"},
        WriteCase{"QuotesLineBreaks", "a\n", 0, "two\nlines\r", true, ',', "\"two\nlines\r\"\n"},
        WriteCase{"EmptyField", "1,,3\n", 1, "", false, ',', "1,,,3\n"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
