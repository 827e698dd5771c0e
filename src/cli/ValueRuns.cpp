#include "cli/ValueRuns.h"

#include "cli/Failure.h"
#include "cli/InputBuffer.h"
#include "cli/OptionHints.h"
#include "cli/OutputSink.h"
#include "cli/Progress.h"
#include "cli/Refusals.h"
#include "conversion/ValueConverter.h"

#include <cstring>
#include <string>

namespace quorlex::cli {

void ConvertArguments(const std::vector<Positional> &values, conversion::ValueConverter &converter,
                      OutputSink &out, Refusals &refusals) {
    std::string result;
    for (const Positional &value : values) {
        auto refusal = converter.Convert(value.text, result);
        if (value.text.empty()) {
            refusal = conversion::ValueConverter::Refusal::NotNumber;
        }
        if (refusal != conversion::ValueConverter::Refusal::None) {
            refusals.Refuse("argument " + std::to_string(value.argument),
                            DescribeRefusal(converter, refusal, value.text));
        }
        out.Append(result);
        out.Append('\n');
    }
}

void ConvertLines(InputBuffer &input, conversion::ValueConverter &converter, OutputSink &out,
                  Refusals &refusals, Progress &progress) {
    std::string result;
    std::uint64_t line = 0;
    for (;;) {
        const std::string_view pending = input.Pending();
        const void *feed = std::memchr(pending.data(), '\n', pending.size());
        std::string_view text;
        std::size_t consumed = 0;
        bool crlf = false;
        if (feed != nullptr) {
            text =
                pending.substr(0, static_cast<std::size_t>(static_cast<const char *>(feed) - pending.data()));
            consumed = text.size() + 1;
            crlf = !text.empty() && text.back() == '\r';
            if (crlf) {
                text.remove_suffix(1);
            }
        } else if (pending.size() > InputBuffer::kMaxPending) {
            throw DataError("line " + std::to_string(line + 1) + ": a line longer than 1 MiB");
        } else if (input.ReadMore()) {
            continue;
        } else if (pending.empty()) {
            return;
        } else {
            text = pending; // the last line, without a line ending
            consumed = text.size();
        }
        ++line;
        const auto refusal = converter.Convert(text, result);
        if (refusal != conversion::ValueConverter::Refusal::None) {
            refusals.Refuse("line " + std::to_string(line), DescribeRefusal(converter, refusal, text));
        }
        out.Append(result);
        out.Append(crlf ? std::string_view("\r\n") : std::string_view("\n"));
        input.Consume(consumed);
        progress.Update(input.ConsumedTotal(), line);
    }
}

} // namespace quorlex::cli
