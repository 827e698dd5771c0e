#include "cli/Failure.h"
#include "cli/System.h"
#include "cli/SystemShared.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quorlex::cli::sys {

void PrepareProcess() {
    std::signal(SIGPIPE, SIG_IGN);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        RemovePendingOnSignal(signalNumber);
    }
}

void RemoveFileInSignal(const std::filesystem::path::value_type *name) noexcept {
    ::unlink(name);
}

std::vector<std::string> Arguments(int argc, char **argv) {
    return {argv, argv + argc};
}

std::filesystem::path PathOf(const std::string &name) {
    // The bytes as they are: a POSIX file name is bytes, whatever the locale.
    return name;
}

bool IsTerminal(int fd) {
    return ::isatty(fd) == 1;
}

int OpenForReading(const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ThrowLastError("cannot open " + QuotedName(path));
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        ::close(fd);
        throw InputOutputError("cannot read " + QuotedName(path) + ": it is a directory");
    }
    return fd;
}

void Close(int fd) {
    ::close(fd);
}

std::ptrdiff_t ReadOnce(int fd, char *buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}

std::ptrdiff_t WriteOnce(int fd, const char *data, std::size_t size) {
    return ::write(fd, data, size);
}

bool ReaderHasGone(int /*fd*/, int error) {
    return error == EPIPE;
}

std::optional<std::uint64_t> RegularFileSize(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

bool DescriptorIsFile(int fd, const std::string &path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && S_ISREG(open.st_mode) &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

namespace {

// The descriptor of this process that a path names through /dev/fd/N or /proc/self/fd/N, link by link
// (/dev/stdout is a link to /proc/self/fd/1). Such a descriptor is written into as it is: opening its
// file anew would start over a file that the shell appends to (>>), and renaming a file over it would
// take the shell's file away.
std::optional<int> DescriptorNamed(const std::string &path) {
    constexpr int kMostLinks = 40;
    std::error_code error;
    std::filesystem::path file = std::filesystem::absolute(PathOf(path), error);
    for (int followed = 0; !error && followed <= kMostLinks; ++followed) {
        const std::string text = file.lexically_normal().string();
        for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
            if (text.starts_with(folder)) {
                int fd = -1;
                const char *last = text.data() + text.size();
                const auto [end, failure] = std::from_chars(text.data() + folder.size(), last, fd);
                if (failure == std::errc{} && end == last) {
                    return fd;
                }
            }
        }
        if (!std::filesystem::is_symlink(file, error)) {
            return std::nullopt;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return std::nullopt;
}

} // namespace

DirectOutput OpenDirectOutput(const std::string &path) {
    if (const auto fd = DescriptorNamed(path)) {
        const int flags = ::fcntl(*fd, F_GETFL);
        if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) {
            errno = EBADF;
            ThrowLastError("cannot write " + QuotedName(path));
        }
        return {*fd, false};
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode) || S_ISDIR(status.st_mode)) {
        return {};
    }
    // As `>` opens it: a FIFO waits here for its reader; a device is never made the controlling terminal.
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        ThrowLastError("cannot open " + QuotedName(path));
    }
    return {fd, true};
}

TemporaryFile CreateTemporaryBeside(const std::string &target) {
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        throw InputOutputError("cannot write " + QuotedName(target) + ": it is a directory");
    }
    const std::filesystem::path targetPath = PathOf(target);
    std::filesystem::path directory = targetPath.parent_path();
    if (directory.empty()) {
        directory = ".";
    }
    std::string name = ".";
    name += targetPath.filename().string();
    name += ".XXXXXX";
    std::string pattern = (directory / name).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        ThrowLastError("cannot create a file beside " + QuotedName(target));
    }
    TemporaryFile file{fd, pattern};
    RememberPending(PathOf(file.path));
    // The new file gets the permissions the old one had, or those of any new file.
    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    return file;
}

void CommitTemporary(TemporaryFile &file, const std::string &target) {
    const std::string what = QuotedName(target);
    if (::fsync(file.fd) != 0 && errno != EINVAL) {
        const std::string reason = LastErrorText();
        DiscardTemporary(file);
        throw InputOutputError("cannot write " + what + ": " + reason);
    }
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0 || ::rename(file.path.c_str(), target.c_str()) != 0) {
        const std::string reason = LastErrorText();
        DiscardTemporary(file);
        throw InputOutputError("cannot write " + what + ": " + reason);
    }
    file.path.clear();
    ForgetPending();
}

std::string LastErrorText() {
    // The reason in English, like every other message of the program, whatever the user's locale.
    const int error = errno;
    static const locale_t plain = ::newlocale(LC_ALL_MASK, "C", nullptr);
    return plain != nullptr ? ::strerror_l(error, plain) : std::strerror(error);
}

} // namespace quorlex::cli::sys
