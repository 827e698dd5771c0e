#include "cli/InputBuffer.h"

#include "cli/System.h"

#include <cstring>
#include <utility>

namespace quorlex::cli {

InputBuffer::InputBuffer(int fd, std::string name)
    : fd_(fd), name_(std::move(name)), buffer_(std::make_unique_for_overwrite<char[]>(kCapacity)) {}

bool InputBuffer::ReadMore() {
    if (ended_) {
        return false;
    }
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == kCapacity) {
        // The caller refuses a pending line or record longer than kMaxPending before asking for more.
        return false;
    }
    if (waitingHook_) {
        waitingHook_();
    }
    const std::size_t count = sys::ReadSome(fd_, buffer_.get() + end_, kCapacity - end_, name_);
    if (count == 0) {
        ended_ = true;
        return false;
    }
    end_ += count;
    readTotal_ += count;
    return true;
}

} // namespace quorlex::cli
