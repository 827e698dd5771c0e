#pragma once

#include <string>
#include <vector>

namespace quorlex::cli {

// The whole program: the arguments (UTF-8, the program name first) in, results out, and the exit status
// (ExitCode) back.
int RunProgram(const std::vector<std::string> &arguments);

} // namespace quorlex::cli
