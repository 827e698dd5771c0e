// The delimited-file splitter: every record's bytes and line ending, one after the other, give back the
// input byte for byte; the field texts, line endings, line numbers and faults equal a plain reading
// written independently here; the same input arriving in pieces splits the same way; and a record
// written back with one of its fields in place of itself is the record as read.
//
// Input: the first byte picks the delimiter, the second the size of the pieces; the rest is the file.
#include "FuzzCheck.h"
#include "delimited/CsvSplitter.h"
#include "delimited/CsvWriter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quorlex::delimited;
using namespace quorlex::fuzz;

struct Reading {
    std::vector<std::vector<std::string>> fields;
    std::vector<std::string> endings;
    std::vector<std::uint64_t> lines;
    std::string rejoined;
    CsvFault fault = CsvFault::None;
    std::uint64_t faultLine = 0;
};

// RFC 4180 read one byte at a time, with the splitter's lenient rules: a quote only opens a field at its
// start, bytes after a closing quote belong to the field, and a CR before a LF outside quotes belongs to
// the line ending.
Reading PlainReading(std::string_view data, char delimiter) {
    Reading reading;
    std::size_t i = 0;
    std::uint64_t line = 1;
    while (i < data.size()) {
        const std::uint64_t recordLine = line;
        std::vector<std::string> fields;
        std::string ending;
        for (;;) {
            std::string field;
            if (i < data.size() && data[i] == '"') {
                ++i;
                for (;;) {
                    if (i == data.size()) {
                        reading.fault = CsvFault::UnclosedQuote;
                        reading.faultLine = recordLine;
                        return reading;
                    }
                    if (data[i] == '"') {
                        if (i + 1 < data.size() && data[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (data[i] == '\0') {
                        reading.fault = CsvFault::Nul;
                        reading.faultLine = recordLine;
                        return reading;
                    }
                    line += data[i] == '\n' ? 1 : 0;
                    field += data[i++];
                }
            }
            const std::size_t outside = i;
            while (i < data.size() && data[i] != delimiter && data[i] != '\n') {
                if (data[i] == '\0') {
                    reading.fault = CsvFault::Nul;
                    reading.faultLine = recordLine;
                    return reading;
                }
                field += data[i++];
            }
            if (i < data.size() && data[i] == delimiter) {
                fields.push_back(field);
                ++i;
                continue;
            }
            if (i < data.size()) {
                if (i > outside && data[i - 1] == '\r') {
                    field.pop_back();
                    ending = "\r";
                }
                ending += '\n';
                ++i;
                ++line;
            }
            fields.push_back(field);
            break;
        }
        reading.fields.push_back(fields);
        reading.endings.push_back(ending);
        reading.lines.push_back(recordLine);
    }
    return reading;
}

// Records written back by the program's row writer.
class WrittenBack {
public:
    // The first field written back in its own place, as the program writes a replaced column, when it
    // needs no quotes: the record should come out as read.
    void Add(const CsvRecord &record, char delimiter, std::string &scratch) {
        const CsvField &first = record.fields.front();
        const std::string text(CsvFieldText(record, first, scratch));
        if (first.quoted ||
            text.find_first_of(std::string{'"', '\r', '\n', delimiter}) != std::string::npos) {
            return;
        }
        WriteCsvRecord(written_, record, 0, text, true, delimiter);
        expected_.append(record.bytes).append(record.ending);
    }

    void Check() const {
        Require(written_ == expected_, "a field written back in its place leaves the record as read",
                Printable(written_));
    }

private:
    std::string written_;
    std::string expected_;
};

// The splitter's reading, seeing `piece` more bytes when it first asks for more, twice as many the next
// time, and so on for each record (all of them for 0).
Reading SplitterReading(std::string_view data, char delimiter, std::size_t firstPiece,
                        WrittenBack *writtenBack) {
    Reading reading;
    CsvSplitter splitter(delimiter);
    CsvRecord record;
    std::string scratch;
    std::size_t offset = 0;
    std::size_t piece = firstPiece;
    std::size_t available = piece == 0 ? data.size() : piece;
    for (;;) {
        const std::size_t size = std::min(available, data.size() - offset);
        const bool final = offset + size == data.size();
        const auto result = splitter.Split(data.substr(offset, size), final, record);
        if (result == CsvSplitter::Result::NeedMore) {
            Require(!final, "no call for more at the end");
            available += piece;
            piece *= 2;
            continue;
        }
        if (result == CsvSplitter::Result::End) {
            Require(final && size == 0, "the end only at the end");
            return reading;
        }
        if (result == CsvSplitter::Result::Malformed) {
            reading.fault = splitter.Fault();
            reading.faultLine = splitter.FaultLine();
            return reading;
        }
        std::vector<std::string> fields;
        for (const CsvField &field : record.fields) {
            Require(field.begin <= field.end && field.end <= record.bytes.size(), "fields lie in the record");
            fields.emplace_back(CsvFieldText(record, field, scratch));
        }
        if (writtenBack != nullptr) {
            writtenBack->Add(record, delimiter, scratch);
        }
        reading.fields.push_back(fields);
        reading.endings.emplace_back(record.ending);
        reading.lines.push_back(record.line);
        reading.rejoined.append(record.bytes).append(record.ending);
        offset += record.Size();
        piece = firstPiece;
        available = piece == 0 ? data.size() : piece;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    constexpr std::array kDelimiters{',', ';', '\t', '|', ' ', 'a'};
    const char delimiter = kDelimiters[bytes[0] % kDelimiters.size()];
    const std::size_t piece = 1 + bytes[1] % 64;
    const std::string_view data(reinterpret_cast<const char *>(bytes) + 2, size - 2);
    if (data.size() > CsvSplitter::kMaxRecordBytes) {
        return 0; // the length limit has its own tests
    }

    WrittenBack writtenBack;
    const Reading whole = SplitterReading(data, delimiter, 0, &writtenBack);
    writtenBack.Check();
    const Reading pieces = SplitterReading(data, delimiter, piece, nullptr);
    const Reading plain = PlainReading(data, delimiter);
    const std::string detail = Printable(data);

    if (whole.fault == CsvFault::None) {
        Require(whole.rejoined == data, "the records give back the input byte for byte", detail);
    } else {
        Require(data.starts_with(whole.rejoined), "the records before a fault are the input's start", detail);
    }
    Require(whole.fault == plain.fault && whole.faultLine == plain.faultLine,
            "the fault of the plain reading", detail);
    Require(whole.fields == plain.fields, "the field texts of the plain reading", detail);
    Require(whole.endings == plain.endings, "the line endings of the plain reading", detail);
    Require(whole.lines == plain.lines, "the line numbers of the plain reading", detail);
    Require(pieces.fault == whole.fault && pieces.faultLine == whole.faultLine &&
                pieces.fields == whole.fields && pieces.endings == whole.endings &&
                pieces.lines == whole.lines,
            "an input in pieces splits as a whole one", detail + " in pieces of " + std::to_string(piece));
    return 0;
}
