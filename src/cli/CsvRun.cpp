#include "cli/CsvRun.h"

#include "cli/CommandLine.h"
#include "cli/CsvReader.h"
#include "cli/CsvWriter.h"
#include "cli/Failure.h"
#include "cli/Messages.h"
#include "cli/OptionHints.h"
#include "cli/OutputSink.h"
#include "cli/Progress.h"
#include "cli/Refusals.h"
#include "conversion/ValueConverter.h"

#include <charconv>
#include <limits>

namespace quorlex::cli {

std::size_t IndexOfPosition(const std::string &position) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(position.data(), position.data() + position.size(), number);
    if (error != std::errc() || end != position.data() + position.size()) {
        return std::numeric_limits<std::size_t>::max();
    }
    return number - 1;
}

std::size_t FindColumn(const CsvRecord &header, const CsvLayout &layout, std::string &name) {
    std::string scratch;
    if (IsColumnPosition(layout.column)) {
        const std::size_t index = IndexOfPosition(layout.column);
        if (index >= header.fields.size()) {
            throw UsageError(layout.label + " " + layout.column + ": the header has " +
                             std::to_string(header.fields.size()) +
                             (header.fields.size() == 1 ? " column" : " columns"));
        }
        name = CsvFieldText(header, header.fields[index], scratch);
        return index;
    }
    std::size_t found = std::numeric_limits<std::size_t>::max();
    std::string names;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string_view text = CsvFieldText(header, header.fields[i], scratch);
        names += i == 0 ? " " : ", ";
        names += Quoted(text);
        if (text != layout.column) {
            continue;
        }
        if (found != std::numeric_limits<std::size_t>::max()) {
            throw UsageError(layout.label + " " + Quoted(layout.column) + ": the header names columns " +
                             std::to_string(found + 1) + " and " + std::to_string(i + 1) +
                             " so; give the position instead");
        }
        found = i;
    }
    if (found == std::numeric_limits<std::size_t>::max()) {
        throw UsageError(layout.label + " " + Quoted(layout.column) +
                         ": no such column in the header; it has" + names);
    }
    name = layout.column;
    return found;
}

void ConvertCsv(InputBuffer &input, const CsvLayout &layout, conversion::ValueConverter &converter,
                OutputSink &out, Refusals &refusals, Progress &progress) {
    CsvReader reader(input, layout.delimiter);
    // Written with the header, after the column is found: a usage error writes nothing.
    const std::string_view byteOrderMark = reader.TakeByteOrderMark();
    CsvRecord record;
    std::size_t column = 0;
    std::string where; // how messages name the column: "column \"fuel_load\"" or "column 3"
    if (layout.header) {
        if (!reader.Next(record)) {
            out.Append(byteOrderMark);
            return; // an empty input: nothing to convert
        }
        std::string name;
        column = FindColumn(record, layout, name);
        where = "column " + Quoted(name);
        out.Append(byteOrderMark);
        WriteCsvRecord(out, record, column, name + " [" + layout.toSymbol + "]", layout.replace,
                       layout.delimiter);
    } else {
        out.Append(byteOrderMark);
        column = IndexOfPosition(layout.column);
        where = "column " + layout.column;
    }

    std::string scratch;
    std::string result;
    std::uint64_t rows = 0;
    while (reader.Next(record)) {
        ++rows;
        if (record.Blank()) {
            out.Append(record.ending);
            continue;
        }
        if (column >= record.fields.size()) {
            refusals.Refuse("line " + std::to_string(record.line),
                            "the row has " + std::to_string(record.fields.size()) +
                                (record.fields.size() == 1 ? " field" : " fields") + ", no " + where);
            out.Append(record.bytes);
            out.Append(record.ending);
            continue;
        }
        const std::string_view text = CsvFieldText(record, record.fields[column], scratch);
        const auto refusal = converter.Convert(text, result);
        if (refusal != conversion::ValueConverter::Refusal::None) {
            refusals.Refuse("line " + std::to_string(record.line) + ", " + where,
                            DescribeRefusal(converter, refusal, text));
        }
        WriteCsvRecord(out, record, column, result, layout.replace, layout.delimiter);
        progress.Update(input.ConsumedTotal(), rows);
    }
}

} // namespace quorlex::cli
