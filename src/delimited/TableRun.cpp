#include "delimited/TableRun.h"

#include "conversion/Quoted.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace quorlex::delimited {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string FaultText(CsvFault fault) {
    switch (fault) {
    case CsvFault::UnclosedQuote:
        return "a quoted field is not closed before the end of the input";
    case CsvFault::TooLong:
        return "a record longer than 1 MiB (an unclosed quote?)";
    case CsvFault::Nul:
        return "a NUL byte: this is not a text file";
    case CsvFault::None:
        break;
    }
    return "unreadable record";
}

} // namespace

void StopAtFirst::Refuse(const std::string &where, const std::string &what) {
    std::string message = where;
    message += ": ";
    message += what;
    throw InputFault(message);
}

std::size_t TableRun::Feed(std::string_view data, bool final, std::string &out) {
    std::size_t used = 0;
    if (!started_) {
        // The byte order mark is set aside and written with the header, after the columns are found: a
        // layout error writes nothing.
        if (data.size() < kByteOrderMark.size() && !final && kByteOrderMark.starts_with(data)) {
            return 0;
        }
        started_ = true;
        if (data.starts_with(kByteOrderMark)) {
            byteOrderMark_ = kByteOrderMark;
            used = kByteOrderMark.size();
        }
    }
    CsvRecord record;
    while (!finished_) {
        switch (splitter_.Split(data.substr(used), final, record)) {
        case CsvSplitter::Result::Record:
            used += record.Size();
            if (!headerDone_) {
                headerDone_ = true;
                if (header_) {
                    const std::size_t start = out.size();
                    Header(record, out);
                    out.insert(start, byteOrderMark_);
                    continue;
                }
                NoHeader();
                out.append(byteOrderMark_);
            }
            ++rows_;
            if (record.Blank()) {
                out.append(record.ending);
            } else {
                Row(record, out);
            }
            break;
        case CsvSplitter::Result::End:
            if (!headerDone_) {
                // An empty input: nothing to convert, the mark alone written back.
                headerDone_ = true;
                if (!header_) {
                    NoHeader();
                }
                out.append(byteOrderMark_);
            }
            finished_ = true;
            break;
        case CsvSplitter::Result::NeedMore:
            return used;
        case CsvSplitter::Result::Malformed:
            throw InputFault("line " + std::to_string(splitter_.FaultLine()) + ": " +
                             FaultText(splitter_.Fault()));
        }
    }
    return used;
}

std::string LineText(const CsvRecord &record) {
    std::string text = "line ";
    text += std::to_string(record.line);
    return text;
}

std::string TooFewFields(std::size_t count, const std::string &what) {
    std::string text = "the row has ";
    text += std::to_string(count);
    text += count == 1 ? " field" : " fields";
    text += ", no ";
    text += what;
    return text;
}

std::size_t IndexOfPosition(const std::string &position) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(position.data(), position.data() + position.size(), number);
    if (error != std::errc() || end != position.data() + position.size()) {
        return std::numeric_limits<std::size_t>::max();
    }
    return number - 1;
}

bool IsColumnPosition(const std::string &column) {
    return !column.empty() &&
           std::all_of(column.begin(), column.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::size_t FindColumn(const CsvRecord &header, const std::string &column, const std::string &label,
                       std::string &name) {
    using conversion::Quoted;
    std::string scratch;
    if (IsColumnPosition(column)) {
        const std::size_t index = IndexOfPosition(column);
        if (index >= header.fields.size()) {
            throw LayoutError(label + " " + column + ": the header has " +
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
        if (text != column) {
            continue;
        }
        if (found != std::numeric_limits<std::size_t>::max()) {
            throw LayoutError(label + " " + Quoted(column) + ": the header names columns " +
                              std::to_string(found + 1) + " and " + std::to_string(i + 1) +
                              " so; give the position instead");
        }
        found = i;
    }
    if (found == std::numeric_limits<std::size_t>::max()) {
        throw LayoutError(label + " " + Quoted(column) + ": no such column in the header; it has" + names);
    }
    name = column;
    return found;
}

} // namespace quorlex::delimited
