#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace quorlex::cli {

// Input read from a file descriptor in large blocks. The caller looks at the bytes not consumed yet,
// consumes what it has handled and asks for more when a line or record is incomplete. At most
// kMaxPending unconsumed bytes are kept, so memory stays flat whatever the input's size.
class InputBuffer {
public:
    static constexpr std::size_t kMaxPending = std::size_t{1} << 20;

    InputBuffer(int fd, std::string name);

    std::string_view Pending() const { return {buffer_.get() + begin_, end_ - begin_}; }
    void Consume(std::size_t count) { begin_ += count; }

    // Reads more bytes after the pending ones. False when the input has ended. Before a read that may
    // wait (a terminal or a pipe), calls the waiting hook, so that results reach a person or a pipeline
    // as soon as their values are in.
    bool ReadMore();

    // Whether the input has ended (ReadMore returned false).
    bool Ended() const { return ended_; }

    // Bytes read and consumed so far.
    std::uint64_t ConsumedTotal() const { return readTotal_ - (end_ - begin_); }

    const std::string &Name() const { return name_; }

    void SetWaitingHook(std::function<void()> hook) { waitingHook_ = std::move(hook); }

private:
    static constexpr std::size_t kBlock = std::size_t{1} << 20;

    int fd_;
    std::string name_;
    std::unique_ptr<char[]> buffer_;
    static constexpr std::size_t kCapacity = kMaxPending + kBlock + 1;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uint64_t readTotal_ = 0;
    bool ended_ = false;
    std::function<void()> waitingHook_;
};

} // namespace quorlex::cli
