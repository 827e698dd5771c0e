#pragma once

#include <string>

// What the POSIX and the Windows system calls share: how messages name a file and report a failed call.
namespace quorlex::cli::sys {

// A file name as messages show it: in quotes.
std::string QuotedName(const std::string &name);

// Throws InputOutputError: `what`, a colon and the reason of the last failed call.
[[noreturn]] void ThrowLastError(const std::string &what);

} // namespace quorlex::cli::sys
