#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace quorlex::cli {

// Buffered output to a file descriptor: bytes collect in one large buffer and go out in big writes.
// A reader that has gone away (a closed pipe) throws OutputClosed; any other failure InputOutputError.
class OutputSink {
public:
    static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 18;

    // name: what messages call the output ("standard output", "\"out.csv\"").
    OutputSink(int fd, std::string name, std::size_t capacity = kDefaultCapacity);
    OutputSink(const OutputSink &) = delete;
    OutputSink &operator=(const OutputSink &) = delete;
    ~OutputSink() = default;

    void Append(std::string_view bytes) {
        if (bytes.size() > capacity_ - used_) {
            AppendSlow(bytes);
            return;
        }
        std::char_traits<char>::copy(buffer_.get() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    void Append(char c) {
        if (used_ == capacity_) {
            Flush();
        }
        buffer_[used_++] = c;
    }

    // Writes out what is collected.
    void Flush();

    // Discards what is collected (a failed run writing to a file that will be removed).
    void Discard() { used_ = 0; }

    int Descriptor() const { return fd_; }
    void SetDescriptor(int fd) { fd_ = fd; }

private:
    void AppendSlow(std::string_view bytes);

    int fd_;
    std::string name_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

} // namespace quorlex::cli
