#pragma once

#include <cstddef>
#include <string>

namespace quorlex::conversion {
class ValueConverter;
}

namespace quorlex::cli {

class InputBuffer;
class OutputSink;
class Progress;
class Refusals;

// How a delimited file is converted.
struct CsvLayout {
    std::string column; // a 1-based position (digits only) or a header name
    bool header = true;
    char delimiter = ',';
    bool replace = false;           // the result takes the source column's place instead of following it
    std::string toSymbol;           // the header of the result: "NAME [TO-symbol]"
    std::string label = "--column"; // how messages about the column name it
};

struct CsvRecord;

// The column of the header that the layout names, and its header text. Throws UsageError for a column the
// header lacks or names twice.
std::size_t FindColumn(const CsvRecord &header, const CsvLayout &layout, std::string &name);

// The 0-based index a position text states (digits only); positions beyond any record give the largest
// index.
std::size_t IndexOfPosition(const std::string &position);

// Converts one column of a delimited input: every record is written back as read, with the result field
// after the source field (or in its place) and the header naming it. A UTF-8 byte order mark and blank
// lines go through unchanged; an empty field gives an empty result. Throws UsageError for a column the
// header lacks or names twice, DataError for input that is not delimited text.
void ConvertCsv(InputBuffer &input, const CsvLayout &layout, conversion::ValueConverter &converter,
                OutputSink &out, Refusals &refusals, Progress &progress);

} // namespace quorlex::cli
