#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// A caption followed by ", Version - " and the version as major.minor.revision, each number in decimal
// digits without leading zeros: "Units of Measure Conversion, Version - 3.0.4".
std::string CaptionWithVersion(std::string_view caption, int major, int minor, int revision);

} // namespace quorlex
