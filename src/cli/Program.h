#pragma once

namespace quorlex::cli {

// The whole program: the command line in, results out, and the exit status (ExitCode) back.
int RunProgram(int argc, char **argv);

} // namespace quorlex::cli
