#pragma once

#include <stdexcept>
#include <string>

namespace quorlex::cli {

// The exit status of a run: what a script can rely on.
enum class ExitCode : int {
    Converted = 0,   // every value converted (or nothing to convert)
    Usage = 1,       // options, units, column: nothing was converted
    Data = 2,        // a value or a row was refused
    InputOutput = 3, // a file could not be opened, read or written
};

// A failure that ends the run with a message on standard error and its exit status.
class Failure : public std::runtime_error {
public:
    Failure(ExitCode code, const std::string &message) : std::runtime_error(message), code_(code) {}
    ExitCode Code() const noexcept { return code_; }

private:
    ExitCode code_;
};

class UsageError : public Failure {
public:
    explicit UsageError(const std::string &message) : Failure(ExitCode::Usage, message) {}
};

class DataError : public Failure {
public:
    explicit DataError(const std::string &message) : Failure(ExitCode::Data, message) {}
};

class InputOutputError : public Failure {
public:
    explicit InputOutputError(const std::string &message) : Failure(ExitCode::InputOutput, message) {}
};

// The reader of standard output went away (`| head`): the run ends quietly.
struct OutputClosed {};

} // namespace quorlex::cli
