#include "delimited/CsvWriter.h"

namespace quorlex::delimited {

void AppendCsvField(std::string &out, std::string_view text, char delimiter) {
    bool needsQuotes = false;
    for (const char c : text) {
        if (c == delimiter || c == '"' || c == '\r' || c == '\n') {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes) {
        out.append(text);
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

void WriteCsvRecord(std::string &out, const CsvRecord &record, std::size_t column, std::string_view text,
                    bool replace, char delimiter) {
    const CsvField &field = record.fields[column];
    if (replace) {
        out.append(record.bytes.substr(0, field.begin));
        AppendCsvField(out, text, delimiter);
    } else {
        out.append(record.bytes.substr(0, field.end));
        out += delimiter;
        AppendCsvField(out, text, delimiter);
    }
    out.append(record.bytes.substr(field.end));
    out.append(record.ending);
}

void WriteCsvRecord(std::string &out, const CsvRecord &record, std::size_t column,
                    std::span<const std::string_view> texts, char delimiter) {
    const CsvField &field = record.fields[column];
    out.append(record.bytes.substr(0, field.end));
    for (const std::string_view text : texts) {
        out += delimiter;
        AppendCsvField(out, text, delimiter);
    }
    out.append(record.bytes.substr(field.end));
    out.append(record.ending);
}

} // namespace quorlex::delimited
