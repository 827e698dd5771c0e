#pragma once

#include <string>

namespace quorlex::relations {

// A finite value rounded to `digits` significant digits (half away from zero, on its 15-digit decimal
// form) and written in fixed notation with a period, trailing zeros kept: 1.3511 gives "1.35", 20.000
// gives "20.0", 1069.8 gives "1070". Zero gives "0".
std::string SignificantText(double value, int digits);

} // namespace quorlex::relations
