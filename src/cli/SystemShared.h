#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// What the POSIX and the Windows system calls share: how messages name a file and report a failed call.
namespace quorlex::cli::sys {

// A file name as messages show it: in quotes.
std::string QuotedName(const std::string &name);

// Throws InputOutputError: `what`, a colon and the reason of the last failed call.
[[noreturn]] void ThrowLastError(const std::string &what);

// The temporary output file that a signal ending the process must not leave behind: remembered while it
// exists, removed by the handler RemovePendingOnSignal installs, which then lets the signal end the process.
void RememberPending(const std::filesystem::path &path);
void ForgetPending();
void RemovePendingOnSignal(int signalNumber);

// One read or write call of the system: the number of bytes moved, or -1 with errno set.
std::ptrdiff_t ReadOnce(int fd, char *buffer, std::size_t size);
std::ptrdiff_t WriteOnce(int fd, const char *data, std::size_t size);

// Whether a write that failed with errno `error` found the reading end of a pipe gone.
bool ReaderHasGone(int fd, int error);

// Removes a file from inside a signal handler (unlink, _wunlink): async-signal-safe, no allocation.
void RemoveFileInSignal(const std::filesystem::path::value_type *name) noexcept;

} // namespace quorlex::cli::sys
