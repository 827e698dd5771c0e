#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace quorlex::cli {

// A one-line progress display on standard error, for a person watching a large file being converted:
// percent done and rows per second, redrawn at most ten times a second and cleared at the end. Silent
// unless standard error is a terminal and the input is a file larger than 50 MB.
class Progress {
public:
    static constexpr std::uint64_t kLeastInputBytes = 50'000'000;

    Progress(std::optional<std::uint64_t> inputBytes, bool errorIsTerminal);
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;
    ~Progress();

    // After each row: bytes of the input consumed and rows done so far. Cheap: it looks at the clock once
    // in a while only.
    void Update(std::uint64_t bytesDone, std::uint64_t rows) {
        if (active_ && (++calls_ & 0x3FF) == 0) {
            Draw(bytesDone, rows);
        }
    }

    // Clears the line (before a message, and at the end).
    void Clear();

    // The line for given figures: "quorlex-convert: 42% done, 1234567 rows/s".
    static std::string LineText(std::uint64_t bytesDone, std::uint64_t totalBytes, double rowsPerSecond);

private:
    using Clock = std::chrono::steady_clock;

    void Draw(std::uint64_t bytesDone, std::uint64_t rows);

    bool active_ = false;
    bool shown_ = false;
    std::uint64_t totalBytes_ = 0;
    std::uint32_t calls_ = 0;
    Clock::time_point start_;
    Clock::time_point lastDrawn_;
};

} // namespace quorlex::cli
