#include "cli/Progress.h"

#include "cli/Messages.h"
#include "cli/System.h"

#include <algorithm>
#include <charconv>

namespace quorlex::cli {

namespace {

void AppendNumber(std::string &text, std::uint64_t number) {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    text.append(digits, written.ptr);
}

void WriteToError(const std::string &text) {
    try {
        (void)sys::WriteAll(sys::kStandardError, text.data(), text.size(), "standard error");
    } catch (...) {
        // A display that cannot be shown is no reason to stop converting.
    }
}

} // namespace

Progress::Progress(std::optional<std::uint64_t> inputBytes, bool errorIsTerminal)
    : active_(errorIsTerminal && inputBytes && *inputBytes > kLeastInputBytes),
      totalBytes_(inputBytes.value_or(0)), start_(Clock::now()), lastDrawn_(start_) {}

Progress::~Progress() {
    Clear();
}

std::string Progress::LineText(std::uint64_t bytesDone, std::uint64_t totalBytes, double rowsPerSecond) {
    std::string text(kProgramName);
    text += ": ";
    const std::uint64_t percent =
        totalBytes == 0 ? 100 : std::min<std::uint64_t>(bytesDone * 100 / totalBytes, 100);
    AppendNumber(text, percent);
    text += "% done, ";
    AppendNumber(text, static_cast<std::uint64_t>(std::max(rowsPerSecond, 0.0)));
    text += " rows/s";
    return text;
}

void Progress::Draw(std::uint64_t bytesDone, std::uint64_t rows) {
    const Clock::time_point now = Clock::now();
    if (now - lastDrawn_ < std::chrono::milliseconds(100)) {
        return;
    }
    lastDrawn_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double rate = seconds > 0 ? static_cast<double>(rows) / seconds : 0.0;
    // Back to the start of the line, the figures, and the rest of the line erased.
    std::string line = "\r";
    line += LineText(bytesDone, totalBytes_, rate);
    line += "\x1b[K";
    WriteToError(line);
    shown_ = true;
}

void Progress::Clear() {
    if (shown_) {
        WriteToError("\r\x1b[K");
        shown_ = false;
    }
}

} // namespace quorlex::cli
