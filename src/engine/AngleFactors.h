#pragma once

#include <string_view>

namespace quorlex {

// The factor text that Angle and Slope share: degrees and radians, row by row.
inline constexpr std::string_view kAngleFactors = " 1, 0.017453293, 57.29577951, 1";

} // namespace quorlex
