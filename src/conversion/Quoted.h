#pragma once

#include <string>
#include <string_view>

namespace quorlex::conversion {

// A text as a message shows it: in double quotes, control bytes written as \t, \r, \n or \xHH, and cut
// after 60 bytes with "..." (a runaway field must not flood the terminal).
std::string Quoted(std::string_view text);

} // namespace quorlex::conversion
