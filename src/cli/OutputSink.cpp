#include "cli/OutputSink.h"

#include "cli/Failure.h"
#include "cli/System.h"

#include <utility>

namespace quorlex::cli {

OutputSink::OutputSink(int fd, std::string name, std::size_t capacity)
    : fd_(fd), name_(std::move(name)), capacity_(capacity),
      buffer_(std::make_unique_for_overwrite<char[]>(capacity)) {}

void OutputSink::Flush() {
    if (used_ == 0) {
        return;
    }
    const std::size_t count = used_;
    used_ = 0;
    if (!sys::WriteAll(fd_, buffer_.get(), count, name_)) {
        throw OutputClosed{};
    }
}

void OutputSink::AppendSlow(std::string_view bytes) {
    Flush();
    if (bytes.size() >= capacity_) {
        if (!sys::WriteAll(fd_, bytes.data(), bytes.size(), name_)) {
            throw OutputClosed{};
        }
        return;
    }
    std::char_traits<char>::copy(buffer_.get(), bytes.data(), bytes.size());
    used_ = bytes.size();
}

} // namespace quorlex::cli
