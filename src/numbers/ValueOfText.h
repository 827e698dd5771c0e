#pragma once

#include <cstddef>
#include <string_view>

namespace quorlex {

// The value of a text: the number at its start, or 0 when it does not start with one.
//
// Blanks (space, tab, line feed) are skipped wherever they stand. Then come an optional sign, digits with
// at most one period as the decimal point, and an optional exponent (E or D in either case, an optional
// sign, digits); reading stops at the first character that cannot continue the number, so "12abc" reads
// as 12 and "1,000" as 1. A text starting with &H or &O reads as a non-negative hexadecimal or octal
// integer. The period is the decimal point whatever the process locale says.
//
// Raises the overflow error (6) for a value beyond the range of a double or an &H/&O integer wider than
// 64 bits. A value too small for a double reads as 0.
double ValueOfText(std::string_view text);

// The shape of almost every piece of a factor text: a number with blanks around it, then a comma. When text
// starts so, sets value to what ValueOfText gives for the piece before the comma and returns the comma's
// index; otherwise returns npos and leaves the reading to ValueOfText. Saves a second pass over the piece.
std::size_t ReadNumberBeforeComma(std::string_view text, double &value);

} // namespace quorlex
