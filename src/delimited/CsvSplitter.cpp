#include "delimited/CsvSplitter.h"

#include <algorithm>

namespace quorlex::delimited {

CsvSplitter::Result CsvSplitter::Split(std::string_view data, bool final, CsvRecord &record) {
    const std::size_t size = data.size();
    if (size == 0) {
        return final ? Result::End : Result::NeedMore;
    }
    // Scanning stops two bytes past the longest record (its bytes and a CR that may start its line
    // ending), so that a record too long is refused the same way however the input arrives.
    const std::size_t limit = std::min(size, kMaxRecordBytes + 2);
    // At the end of what was scanned: the record is too long, or continues beyond data.
    const auto ranOut = [&]() { return limit < size ? Refuse(CsvFault::TooLong) : Result::NeedMore; };

    record.fields.clear();
    std::uint64_t lineFeeds = 0;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t fieldBegin = pos;
        const bool quoted = pos < limit && data[pos] == '"';
        if (quoted) {
            ++pos;
            for (;;) {
                if (pos == limit) {
                    if (limit == size && final) {
                        return Refuse(CsvFault::UnclosedQuote);
                    }
                    return ranOut();
                }
                const char c = data[pos];
                if (c == '"') {
                    if (pos + 1 == limit && !(limit == size && final)) {
                        // A doubled quote or the closing one: the next byte decides.
                        return ranOut();
                    }
                    if (pos + 1 < limit && data[pos + 1] == '"') {
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                if (c == '\0') {
                    return Refuse(CsvFault::Nul);
                }
                if (c == '\n') {
                    ++lineFeeds;
                }
                ++pos;
            }
        }
        const char delimiter = delimiter_;
        while (pos < limit) {
            const char c = data[pos];
            if (c == delimiter || c == '\n') {
                break;
            }
            if (c == '\0') {
                return Refuse(CsvFault::Nul);
            }
            ++pos;
        }
        if (pos == limit) {
            if (limit < size || !final) {
                return ranOut();
            }
            // The last record of an input without a final line ending.
            if (pos > kMaxRecordBytes) {
                return Refuse(CsvFault::TooLong);
            }
            record.fields.push_back(
                {static_cast<std::uint32_t>(fieldBegin), static_cast<std::uint32_t>(pos), quoted});
            record.bytes = data.substr(0, pos);
            record.ending = {};
            break;
        }
        if (data[pos] == delimiter) {
            record.fields.push_back(
                {static_cast<std::uint32_t>(fieldBegin), static_cast<std::uint32_t>(pos), quoted});
            ++pos;
            continue;
        }
        // A line feed; a CR right before it belongs to the line ending.
        const std::size_t bytesEnd = pos > fieldBegin && data[pos - 1] == '\r' ? pos - 1 : pos;
        if (bytesEnd > kMaxRecordBytes) {
            return Refuse(CsvFault::TooLong);
        }
        record.fields.push_back(
            {static_cast<std::uint32_t>(fieldBegin), static_cast<std::uint32_t>(bytesEnd), quoted});
        record.bytes = data.substr(0, bytesEnd);
        record.ending = data.substr(bytesEnd, pos + 1 - bytesEnd);
        ++lineFeeds;
        break;
    }
    record.line = nextLine_;
    nextLine_ += lineFeeds;
    return Result::Record;
}

std::string_view CsvFieldText(const CsvRecord &record, const CsvField &field, std::string &scratch) {
    const std::string_view raw = record.Raw(field);
    if (!field.quoted) {
        return raw;
    }
    scratch.clear();
    std::size_t pos = 1;
    while (pos < raw.size()) {
        if (raw[pos] == '"') {
            if (pos + 1 < raw.size() && raw[pos + 1] == '"') {
                scratch += '"';
                pos += 2;
                continue;
            }
            // The closing quote; what follows it belongs to the field as it stands.
            scratch.append(raw.substr(pos + 1));
            return scratch;
        }
        scratch += raw[pos];
        ++pos;
    }
    return scratch;
}

} // namespace quorlex::delimited
