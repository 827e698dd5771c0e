#include "cli/System.h"

#include "cli/Failure.h"
#include "cli/SystemShared.h"

#include <system_error>

namespace quorlex::cli::sys {

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

bool SameFile(const std::string &a, const std::string &b) {
    // By identity, not by name: "./in.csv", a link or another spelling of the same file count. Windows has
    // no inode numbers in its C runtime; std::filesystem asks the system for the file's own identity there.
    std::error_code error;
    return std::filesystem::equivalent(PathOf(a), PathOf(b), error) && !error;
}

} // namespace quorlex::cli::sys
