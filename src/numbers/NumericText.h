#pragma once

#include <optional>
#include <string_view>

namespace quorlex {

// Whether a typed text is a number. Blanks (space, tab, carriage return, line feed) around it are ignored.
// Accepted: an optional sign; digits, where a comma is allowed only between correct groups of three
// ("1,000", "12,345,678.5"); at most one period; an optional exponent (E or D, optional sign, digits).
// Or an &H / &O integer. Not numeric: "", "-", ".", "1,5", "1,00", ",5", "1e", "abc", blanks inside,
// anything outside ASCII. Independent of the process locale.
bool IsNumericText(std::string_view text);

// The number a text shows: nullopt when IsNumericText refuses it, otherwise exactly the value written,
// grouping commas dropped ("1,000" is 1000). Raises the overflow error (6) for a value beyond the range
// of a double or an &H/&O integer wider than 64 bits.
std::optional<double> ReadNumericText(std::string_view text);

} // namespace quorlex
