#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quorlex {

// Base of the numbers of program-defined errors (hexadecimal 80040000).
inline constexpr std::int32_t vbObjectError = -2147221504;

// The run-time error numbers that the program raises itself.
enum ErrorNumber : std::int32_t {
    kErrOverflow = 6,
    kErrSubscriptOutOfRange = 9,
    kErrTypeMismatch = 13,
};

// A run-time error: a number, the place it was raised (source) and a description. Every failure that the
// engine, the number texts or the window raise travels as one of these until a handler shows it.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(std::int32_t number, std::string source, std::string description);

    std::int32_t Number() const noexcept { return number_; }
    const std::string &Source() const noexcept { return source_; }
    const std::string &Description() const noexcept { return description_; }

private:
    std::int32_t number_;
    std::string source_;
    std::string description_;
};

// The standard description of a run-time error number ("Overflow" for 6, ...); an empty text for numbers
// the program does not raise itself.
std::string StandardDescription(std::int32_t number);

// Raises a run-time error with its standard description.
[[noreturn]] void RaiseStandardError(std::int32_t number, std::string source);

} // namespace quorlex
