#pragma once

#include <optional>
#include <string>
#include <string_view>

// Second, deliberately different readings and writings of the number texts, for the fuzz targets to compare
// the program's own against. They favour plainness over speed and use the C library where it is correct
// (the fuzz processes never change the C locale, so the C library reads and writes periods).
namespace quorlex::fuzz {

struct ReferenceReading {
    bool overflow = false; // the value is beyond the range of a double (error 6)
    double value = 0.0;
};

// The value-of-text rule: blanks (space, tab, line feed) removed first, then the longest leading number
// picked out by hand and read by strtod; &H/&O integers accumulated in 128 bits.
ReferenceReading ReferenceValueOfText(std::string_view text);

// The numeric test as one regular expression; nullopt for texts too long for std::regex to match safely.
std::optional<bool> ReferenceIsNumeric(std::string_view text);

// The general text: printf's "%.15G", with negative zero written as "0".
std::string ReferenceGeneralText(double x);

// x rounded to 15 significant digits, written "d.dddddddddddddde+XX" (the digits both the general text and
// the rendering start from).
std::string Decimal15(double x);

// Fixed rendering with `places` decimals worked out on a digit string: the 15-digit form written out in
// full, then rounded half away from zero with the carry done by hand.
std::string ReferenceRenderFixed(double x, int places);

} // namespace quorlex::fuzz
