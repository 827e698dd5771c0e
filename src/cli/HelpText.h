#pragma once

#include <string_view>

namespace quorlex::cli {

// The first line of --help.
extern const std::string_view kDescription;

// The usage forms and examples that --help shows before the options.
std::string_view UsageAndExamples();

// The exit statuses, at the end of --help.
extern const std::string_view kExitStatusText;

} // namespace quorlex::cli
