#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex::delimited {

// One field of a record: where its bytes lie in the record, quotes included.
struct CsvField {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    bool quoted = false; // its first byte is a quote
};

// One record of a delimited file, as it stands in the input: its bytes without the line ending, the line
// ending itself, the physical line it starts on, and the byte range of every field. Nothing is copied:
// the texts point into the bytes the record was split from.
struct CsvRecord {
    std::string_view bytes;
    std::string_view ending; // "\n", "\r\n", or "" for the last record of an input without a final one
    std::uint64_t line = 0;  // 1 for the first line of the input
    std::vector<CsvField> fields;

    std::string_view Raw(const CsvField &field) const {
        return bytes.substr(field.begin, field.end - field.begin);
    }
    // A blank line: no bytes before its line ending.
    bool Blank() const { return bytes.empty(); }
    std::size_t Size() const { return bytes.size() + ending.size(); }
};

// What makes an input unreadable as delimited text.
enum class CsvFault {
    None,
    UnclosedQuote, // a quoted field runs to the end of the input
    TooLong,       // a record longer than kMaxRecordBytes
    Nul,           // a NUL byte
};

// Splits delimited text into records by the rules of RFC 4180: fields separated by the delimiter, records
// ended by LF or CR LF; a field that starts with a quote runs to the matching quote, holding delimiters,
// line ends and doubled quotes. Lenient where the RFC is strict: a quote inside an unquoted field is an
// ordinary byte, and bytes between a closing quote and the next delimiter belong to the field. A lone CR
// is an ordinary byte.
class CsvSplitter {
public:
    static constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;

    enum class Result {
        Record,   // record holds the record at the start of data
        NeedMore, // the record at the start of data continues beyond it
        End,      // data is empty and final
        Malformed // Fault() says why; FaultLine() where the record starts
    };

    explicit CsvSplitter(char delimiter) : delimiter_(delimiter) {}

    // Splits the record at the start of data. `final` says that no byte follows data. After a Record, the
    // next call must start at the byte after it (data.substr(record.Size())).
    Result Split(std::string_view data, bool final, CsvRecord &record);

    CsvFault Fault() const { return fault_; }
    std::uint64_t FaultLine() const { return nextLine_; }
    char Delimiter() const { return delimiter_; }

private:
    Result Refuse(CsvFault fault) {
        fault_ = fault;
        return Result::Malformed;
    }

    char delimiter_;
    std::uint64_t nextLine_ = 1;
    CsvFault fault_ = CsvFault::None;
};

// The text of a field: its bytes; for a quoted field, what stands between its quotes with each doubled
// quote made one, followed by any bytes after the closing quote. The result may point into scratch.
std::string_view CsvFieldText(const CsvRecord &record, const CsvField &field, std::string &scratch);

} // namespace quorlex::delimited
