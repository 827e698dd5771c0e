#include "cli/Messages.h"

#include "cli/System.h"

namespace quorlex::cli {

void PrintMessage(std::string_view message) {
    std::string line(kProgramName);
    line += ": ";
    line += message;
    line += '\n';
    // Nothing sensible is left to do when standard error itself fails.
    try {
        (void)sys::WriteAll(sys::kStandardError, line.data(), line.size(), "standard error");
    } catch (...) {
    }
}

} // namespace quorlex::cli
