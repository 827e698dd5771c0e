#pragma once

#include "conversion/Quoted.h"

#include <string>
#include <string_view>

namespace quorlex::cli {

inline constexpr std::string_view kProgramName = "quorlex-convert";

// Texts in messages are quoted as the conversion library quotes them.
using conversion::Quoted;

// Writes "quorlex-convert: MESSAGE" and a line feed to standard error, in one write.
void PrintMessage(std::string_view message);

} // namespace quorlex::cli
