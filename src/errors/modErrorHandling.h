#pragma once

#include <cstdint>
#include <string>

// Turns an internal failure into a run-time error with a program error number, the place it happened and
// a description. Keeps no state and shows nothing: whoever handles the error decides what the user sees.
namespace quorlex::modErrorHandling {

inline constexpr const char *kUnknownErrorText = "An unknown error has occurred!";

// The description for a program error number. The program carries no string table, so every number gets
// the fallback text. Never fails.
std::string GetErrorText(std::int32_t number);

// Raises error number + vbObjectError with the given source and the description from GetErrorText.
// A number whose sum with vbObjectError leaves the 32-bit range raises the overflow error instead.
[[noreturn]] void RaiseError(std::int32_t number, const std::string &source);

} // namespace quorlex::modErrorHandling
