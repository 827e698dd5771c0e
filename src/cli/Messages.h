#pragma once

#include <string>
#include <string_view>

namespace quorlex::cli {

inline constexpr std::string_view kProgramName = "quorlex-convert";

// A text as a message shows it: in double quotes, control bytes written as \t, \r, \n or \xHH, and cut
// after 60 bytes with "..." (a runaway field must not flood the terminal).
std::string Quoted(std::string_view text);

// Writes "quorlex-convert: MESSAGE" and a line feed to standard error, in one write.
void PrintMessage(std::string_view message);

} // namespace quorlex::cli
