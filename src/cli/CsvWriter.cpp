#include "cli/CsvWriter.h"

namespace quorlex::cli {

void AppendCsvField(OutputSink &out, std::string_view text, char delimiter) {
    bool needsQuotes = false;
    for (const char c : text) {
        if (c == delimiter || c == '"' || c == '\r' || c == '\n') {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes) {
        out.Append(text);
        return;
    }
    out.Append('"');
    for (const char c : text) {
        if (c == '"') {
            out.Append('"');
        }
        out.Append(c);
    }
    out.Append('"');
}

void WriteCsvRecord(OutputSink &out, const CsvRecord &record, std::size_t column, std::string_view text,
                    bool replace, char delimiter) {
    const CsvField &field = record.fields[column];
    if (replace) {
        out.Append(record.bytes.substr(0, field.begin));
        AppendCsvField(out, text, delimiter);
    } else {
        out.Append(record.bytes.substr(0, field.end));
        out.Append(delimiter);
        AppendCsvField(out, text, delimiter);
    }
    out.Append(record.bytes.substr(field.end));
    out.Append(record.ending);
}

void WriteCsvRecord(OutputSink &out, const CsvRecord &record, std::size_t column,
                    std::span<const std::string_view> texts, char delimiter) {
    const CsvField &field = record.fields[column];
    out.Append(record.bytes.substr(0, field.end));
    for (const std::string_view text : texts) {
        out.Append(delimiter);
        AppendCsvField(out, text, delimiter);
    }
    out.Append(record.bytes.substr(field.end));
    out.Append(record.ending);
}

} // namespace quorlex::cli
