#pragma once

#include <charconv>

namespace quorlex {

// Reading and writing a double as decimal text: the one place the number texts and the engine turn text
// into a double and back. Both directions round correctly, so every system the program is built for (Linux,
// Windows, the web page's WebAssembly) gives the same double for a text and the same digits for a double,
// and neither depends on the process locale.

// Reads a number as std::from_chars does with chars_format::general: an optional '-', digits with an
// optional period, an optional exponent ("inf" and "nan" too). A value beyond the largest double, or one
// that is not zero but rounds to zero, gives errc::result_out_of_range and leaves value as it was; ptr is
// then past the number all the same.
std::from_chars_result ReadDouble(const char *first, const char *last, double &value);

// The reader behind ReadDouble in the web page's module: the exact value of the digits, rounded in integer
// arithmetic, where fast_float would bring its tables of powers along. Built everywhere, so that it is
// checked against fast_float.
std::from_chars_result ReadDoubleExact(const char *first, const char *last, double &value);

// Writes x as std::to_chars does with chars_format::scientific and `precision` (0 or more) digits after the
// period: "-1.23450000000000e+05", "inf", "-nan". Halves round to even on the exact binary value. A range
// too short for the text gives errc::value_too_large.
std::to_chars_result WriteScientific(char *first, char *last, double x, int precision);

// The writer behind WriteScientific where the C++ library has no floating-point to_chars: the exact decimal
// expansion of x, in integer arithmetic. Built everywhere, so that it is checked against the library's.
std::to_chars_result WriteScientificExact(char *first, char *last, double x, int precision);

} // namespace quorlex
