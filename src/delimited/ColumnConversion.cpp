#include "delimited/ColumnConversion.h"

#include "conversion/Quoted.h"
#include "delimited/CsvWriter.h"

namespace quorlex::delimited {

ColumnConversion::ColumnConversion(ColumnLayout layout, conversion::ValueConverter &converter,
                                   RowRefusals &refusals, DescribeValueRefusal describe)
    : TableRun(layout.delimiter, layout.header), layout_(std::move(layout)), converter_(converter),
      refusals_(refusals), describe_(std::move(describe)) {}

void ColumnConversion::Header(const CsvRecord &header, std::string &out) {
    std::string name;
    column_ = FindColumn(header, layout_.column, layout_.label, name);
    where_ = "column ";
    where_ += conversion::Quoted(name);
    name += " [";
    name += layout_.toSymbol;
    name += ']';
    WriteCsvRecord(out, header, column_, name, layout_.replace, layout_.delimiter);
}

void ColumnConversion::NoHeader() {
    column_ = IndexOfPosition(layout_.column);
    where_ = "column ";
    where_ += layout_.column;
}

void ColumnConversion::Row(const CsvRecord &record, std::string &out) {
    if (column_ >= record.fields.size()) {
        refusals_.Refuse(LineText(record), TooFewFields(record.fields.size(), where_));
        out.append(record.bytes);
        out.append(record.ending);
        return;
    }
    const std::string_view text = CsvFieldText(record, record.fields[column_], scratch_);
    const auto refusal = converter_.Convert(text, result_);
    if (refusal != conversion::ValueConverter::Refusal::None) {
        std::string where = LineText(record);
        where += ", ";
        where += where_;
        refusals_.Refuse(where, describe_(converter_, refusal, text));
    }
    WriteCsvRecord(out, record, column_, result_, layout_.replace, layout_.delimiter);
}

} // namespace quorlex::delimited
