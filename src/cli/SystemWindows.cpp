#include "cli/Failure.h"
#include "cli/System.h"
#include "cli/SystemShared.h"
#include "cli/Utf16Text.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <random>
#include <sys/stat.h>
#include <system_error>

// The Windows side of the command line's system calls, through the C runtime's descriptor functions (_wopen,
// _read, _write, ...) and std::filesystem, which take wide file names.
namespace quorlex::cli::sys {

namespace {

// At most this many bytes in one _read or _write, whose counts are unsigned int.
constexpr std::size_t kLargestTransfer = INT_MAX;

} // namespace

void PrepareProcess() {
    // Binary standard streams: results and rows are written byte for byte as on Linux, an LF stays an LF
    // and a CRLF read from a file stays a CRLF. (Windows has no SIGPIPE: a write to a closed pipe fails.)
    for (const int fd : {kStandardInput, kStandardOutput, kStandardError}) {
        ::_setmode(fd, _O_BINARY);
    }
    for (const int signalNumber : {SIGINT, SIGTERM, SIGBREAK}) {
        RemovePendingOnSignal(signalNumber);
    }
}

void RemoveFileInSignal(const std::filesystem::path::value_type *name) noexcept {
    ::_wunlink(name);
}

std::vector<std::string> Arguments(int argc, wchar_t **argv) {
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(argc));
    for (int i = 0; i < argc; ++i) {
        std::u16string text;
        for (const wchar_t *unit = argv[i]; *unit != L'\0'; ++unit) {
            text += static_cast<char16_t>(*unit);
        }
        arguments.push_back(Utf8FromUtf16(text));
    }
    return arguments;
}

std::filesystem::path PathOf(const std::string &name) {
    // A char8_t text is UTF-8 by definition; a plain char text would be read in the ANSI code page.
    return {std::u8string(name.begin(), name.end())};
}

bool IsTerminal(int fd) {
    return ::_isatty(fd) != 0;
}

int OpenForReading(const std::string &path) {
    const std::filesystem::path file = PathOf(path);
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        throw InputOutputError("cannot read " + QuotedName(path) + ": it is a directory");
    }
    const int fd = ::_wopen(file.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        ThrowLastError("cannot open " + QuotedName(path));
    }
    return fd;
}

void Close(int fd) {
    ::_close(fd);
}

std::ptrdiff_t ReadOnce(int fd, char *buffer, std::size_t size) {
    return ::_read(fd, buffer, static_cast<unsigned>(std::min(size, kLargestTransfer)));
}

std::ptrdiff_t WriteOnce(int fd, const char *data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned>(std::min(size, kLargestTransfer)));
}

bool ReaderHasGone(int fd, int error) {
    // The C runtime says EPIPE, or EINVAL while the pipe is closing.
    return error == EPIPE || (error == EINVAL && !IsTerminal(fd) && !RegularFileSize(fd));
}

std::optional<std::uint64_t> RegularFileSize(int fd) {
    struct _stat64 status {};
    if (::_fstat64(fd, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

bool DescriptorIsFile(int fd, const std::string &path) {
    // The C runtime gives no file numbers here (st_ino is 0), and a descriptor has no name to hand to
    // std::filesystem::equivalent. The same size and the same creation and modification times stand in:
    // a different file can only match by being written in the same second to the same size, and then the
    // run refuses to start, which loses nothing.
    struct _stat64 open {};
    struct _stat64 named {};
    return ::_fstat64(fd, &open) == 0 && ::_wstat64(PathOf(path).c_str(), &named) == 0 &&
           (open.st_mode & _S_IFMT) == _S_IFREG && (named.st_mode & _S_IFMT) == _S_IFREG &&
           open.st_size == named.st_size && open.st_mtime == named.st_mtime &&
           open.st_ctime == named.st_ctime;
}

DirectOutput OpenDirectOutput(const std::string &path) {
    // NUL, CON or a named pipe opens as it is and is written into. A missing name does not open, and a
    // regular file is closed again (nothing written, nothing cut off): both go through a temporary file.
    const int fd = ::_wopen(PathOf(path).c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        return {};
    }
    struct _stat64 status {};
    if (::_fstat64(fd, &status) == 0 && (status.st_mode & _S_IFMT) != _S_IFREG) {
        return {fd, true};
    }
    ::_close(fd);
    return {};
}

TemporaryFile CreateTemporaryBeside(const std::string &target) {
    const std::filesystem::path targetPath = PathOf(target);
    std::error_code error;
    if (std::filesystem::is_directory(targetPath, error)) {
        throw InputOutputError("cannot write " + QuotedName(target) + ": it is a directory");
    }
    std::filesystem::path directory = targetPath.parent_path();
    if (directory.empty()) {
        directory = ".";
    }
    // A name nobody else has: ".NAME.XXXXXX" with random letters, created only if it does not exist yet.
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device entropy;
    std::mt19937 pick(entropy());
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring name = L"." + targetPath.filename().native() + L".";
        for (int i = 0; i < 6; ++i) {
            name += static_cast<wchar_t>(kLetters[letter(pick)]);
        }
        const std::filesystem::path candidate = directory / name;
        const int fd = ::_wopen(candidate.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                                _S_IREAD | _S_IWRITE);
        if (fd >= 0) {
            const std::u8string text = candidate.u8string();
            TemporaryFile file{fd, std::string(text.begin(), text.end())};
            RememberPending(candidate);
            return file;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    ThrowLastError("cannot create a file beside " + QuotedName(target));
}

void CommitTemporary(TemporaryFile &file, const std::string &target) {
    const std::string what = QuotedName(target);
    const int fd = file.fd;
    file.fd = -1;
    const bool written = ::_commit(fd) == 0;
    const bool closed = ::_close(fd) == 0;
    if (!written || !closed) {
        const std::string reason = LastErrorText();
        DiscardTemporary(file);
        throw InputOutputError("cannot write " + what + ": " + reason);
    }
    // std::filesystem::rename replaces an existing file on Windows too (where the C runtime's rename
    // refuses to).
    std::error_code error;
    std::filesystem::rename(PathOf(file.path), PathOf(target), error);
    if (error) {
        DiscardTemporary(file);
        throw InputOutputError("cannot write " + what + ": " + error.message());
    }
    file.path.clear();
    ForgetPending();
}

std::string LastErrorText() {
    // The C runtime's texts are English whatever the user's language, like every other message here.
    return std::strerror(errno);
}

} // namespace quorlex::cli::sys
