#include "cli/System.h"

#include "cli/Failure.h"
#include "cli/SystemShared.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <system_error>

namespace quorlex::cli::sys {

namespace {

// A plain array: the signal handler may only read memory and call async-signal-safe functions.
std::filesystem::path::value_type pendingTemporary[4096];
volatile std::sig_atomic_t hasPendingTemporary = 0;

extern "C" void RemovePendingAndResignal(int signalNumber) {
    if (hasPendingTemporary != 0) {
        RemoveFileInSignal(pendingTemporary);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

} // namespace

void RememberPending(const std::filesystem::path &path) {
    const auto &text = path.native();
    if (text.size() < std::size(pendingTemporary)) {
        std::copy(text.c_str(), text.c_str() + text.size() + 1, pendingTemporary);
        hasPendingTemporary = 1;
    }
}

void ForgetPending() {
    hasPendingTemporary = 0;
}

void RemovePendingOnSignal(int signalNumber) {
    std::signal(signalNumber, RemovePendingAndResignal);
}

std::string QuotedName(const std::string &name) {
    std::string text = "\"";
    text += name;
    text += '"';
    return text;
}

void ThrowLastError(const std::string &what) {
    std::string message = what;
    message += ": ";
    message += LastErrorText();
    throw InputOutputError(message);
}

std::size_t ReadSome(int fd, char *buffer, std::size_t size, const std::string &what) {
    for (;;) {
        const std::ptrdiff_t count = ReadOnce(fd, buffer, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            ThrowLastError("cannot read " + what);
        }
    }
}

bool WriteAll(int fd, const char *data, std::size_t size, const std::string &what) {
    while (size > 0) {
        const std::ptrdiff_t count = WriteOnce(fd, data, size);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            // The test may call the system itself; the reason reported is the write's own.
            const int error = errno;
            if (ReaderHasGone(fd, error)) {
                return false;
            }
            errno = error;
            ThrowLastError("cannot write " + what);
        }
        data += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

bool SameFile(const std::string &a, const std::string &b) {
    // By identity, not by name: "./in.csv", a link or another spelling of the same file count. Windows has
    // no inode numbers in its C runtime; std::filesystem asks the system for the file's own identity there.
    std::error_code error;
    return std::filesystem::equivalent(PathOf(a), PathOf(b), error) && !error &&
           std::filesystem::is_regular_file(PathOf(a), error) && !error;
}

void CloseDirectOutput(DirectOutput &output) noexcept {
    if (output.closes) {
        Close(output.fd);
    }
    output = DirectOutput{};
}

std::string FollowLinks(const std::string &path) {
    // As many links in a row as Linux follows before it reports a loop.
    constexpr int kMostLinks = 40;
    std::filesystem::path file = PathOf(path);
    for (int followed = 0; followed <= kMostLinks; ++followed) {
        std::error_code error;
        if (!std::filesystem::is_symlink(file, error)) {
            if (followed == 0) {
                return path;
            }
            const std::u8string name = file.u8string();
            return {name.begin(), name.end()};
        }
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        if (error) {
            throw InputOutputError("cannot write " + QuotedName(path) + ": " + error.message());
        }
        // A relative link names its file from the link's own folder.
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    throw InputOutputError("cannot write " + QuotedName(path) + ": Too many levels of symbolic links");
}

void DiscardTemporary(TemporaryFile &file) noexcept {
    if (file.fd >= 0) {
        Close(file.fd);
        file.fd = -1;
    }
    if (!file.path.empty()) {
        try {
            std::error_code error;
            std::filesystem::remove(PathOf(file.path), error);
        } catch (...) {
            // Only memory can run out here; the file then stays, which loses no data.
        }
        file.path.clear();
    }
    ForgetPending();
}

} // namespace quorlex::cli::sys
