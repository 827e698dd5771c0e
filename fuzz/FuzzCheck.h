#pragma once

#include <string>
#include <string_view>

// What every fuzz target checks with: a broken property prints its name and the offending values and
// aborts, so libFuzzer keeps the input as a crash file that reproduces it.
namespace quorlex::fuzz {

[[noreturn]] void Fail(std::string_view property, std::string_view detail);

inline void Require(bool holds, std::string_view property, std::string_view detail = {}) {
    if (!holds) {
        Fail(property, detail);
    }
}

// The same double, bit for bit (so 0 and -0 differ, as the texts they produce may).
bool SameDouble(double a, double b);

// Whether a text shows an infinity or a NaN in any spelling ("inf", "NaN", "INF", ...).
bool ShowsNonFinite(std::string_view text);

// A text with control and non-ASCII bytes escaped, for failure messages.
std::string Printable(std::string_view text);

// A double as round-trip text, for failure messages.
std::string Describe(double value);

} // namespace quorlex::fuzz
