#include "cli/CsvReader.h"

#include "cli/Failure.h"

#include <string>

namespace quorlex::cli {

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

std::string_view CsvReader::TakeByteOrderMark() {
    while (input_.Pending().size() < kByteOrderMark.size() && input_.ReadMore()) {
    }
    if (input_.Pending().starts_with(kByteOrderMark)) {
        input_.Consume(kByteOrderMark.size());
        return kByteOrderMark;
    }
    return {};
}

bool CsvReader::Next(CsvRecord &record) {
    for (;;) {
        switch (splitter_.Split(input_.Pending(), input_.Ended(), record)) {
        case CsvSplitter::Result::Record:
            // The bytes stay where they are until the next read, which happens in the next call.
            input_.Consume(record.Size());
            return true;
        case CsvSplitter::Result::End:
            return false;
        case CsvSplitter::Result::NeedMore:
            input_.ReadMore();
            break;
        case CsvSplitter::Result::Malformed:
            throw DataError("line " + std::to_string(splitter_.FaultLine()) + ": " +
                            FaultText(splitter_.Fault()));
        }
    }
}

} // namespace quorlex::cli
