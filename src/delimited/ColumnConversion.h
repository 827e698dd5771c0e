#pragma once

#include "conversion/ValueConverter.h"
#include "delimited/TableRun.h"

#include <functional>
#include <string>
#include <string_view>

namespace quorlex::delimited {

// How a column of a delimited text is converted.
struct ColumnLayout {
    std::string column; // a 1-based position (digits only) or a header name
    bool header = true;
    char delimiter = ',';
    bool replace = false;           // the result takes the source column's place instead of following it
    std::string toSymbol;           // the header of the result: "NAME [TO-symbol]"
    std::string label = "--column"; // how messages about the column name it
};

// What a refused value's message says: the converter's description, with any hint of the program that
// runs it ("use --decimal-comma").
using DescribeValueRefusal = std::function<std::string(
    const conversion::ValueConverter &, conversion::ValueConverter::Refusal, std::string_view)>;

// Converts one column of a delimited text: the result field after the source field (or in its place),
// named "NAME [TO]" in the header; an empty field gives an empty result. A refused value or a row without
// the column goes to the refusals, with the row written as read or with an empty result.
class ColumnConversion : public TableRun {
public:
    ColumnConversion(ColumnLayout layout, conversion::ValueConverter &converter, RowRefusals &refusals,
                     DescribeValueRefusal describe);

private:
    void Header(const CsvRecord &header, std::string &out) override;
    void NoHeader() override;
    void Row(const CsvRecord &record, std::string &out) override;

    ColumnLayout layout_;
    conversion::ValueConverter &converter_;
    RowRefusals &refusals_;
    DescribeValueRefusal describe_;
    std::size_t column_ = 0;
    std::string where_; // how messages name the column: "column \"fuel_load\"" or "column 3"
    std::string scratch_;
    std::string result_;
};

} // namespace quorlex::delimited
