#pragma once

#include "cli/CsvSplitter.h"
#include "cli/InputBuffer.h"

#include <string_view>

namespace quorlex::cli {

// The records of a delimited input, one after the other, read as they are needed.
class CsvReader {
public:
    CsvReader(InputBuffer &input, char delimiter) : input_(input), splitter_(delimiter) {}

    // A UTF-8 byte order mark at the very start of the input, set aside before the first record; empty
    // when the input has none. Call once, before the first Next.
    std::string_view TakeByteOrderMark();

    // The next record; false at the end of the input. Throws DataError for input that is not delimited
    // text (an unclosed quote, a record over 1 MiB, a NUL byte). The record is valid until the next call.
    bool Next(CsvRecord &record);

private:
    InputBuffer &input_;
    CsvSplitter splitter_;
};

} // namespace quorlex::cli
