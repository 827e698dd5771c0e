#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorlex::conversion {

// The decimal mark of every value read and every result written in one run.
enum class DecimalMark {
    Period, // the window's reading: a period is the decimal point, a comma groups thousands ("1,000.5")
    Comma,  // a comma is the decimal point, a period is refused, nothing groups ("1000,5")
};

// Whether a text is a value, by the window's numeric test; with the decimal comma, the same test on the
// text with its comma read as the period, and never a text that holds a period.
bool IsValueText(std::string_view text, DecimalMark mark);

// The value of a text: nullopt when IsValueText refuses it. Raises the overflow error (6) for a value
// beyond the range of a double.
std::optional<double> ReadValueText(std::string_view text, DecimalMark mark);

// Whether a command-line argument is a value under either decimal mark: such an argument is never an
// option, even when it starts with "-".
bool LooksLikeValue(std::string_view text);

// Whether a text is the start of a value: the text itself, or the text with more typed after it, passes
// IsValueText ("-", "1e", "&H", "1,"). What is typed so far of a value is not yet a wrong value.
bool IsValueStart(std::string_view text, DecimalMark mark);

// Whether a text holds nothing but blanks: missing data, converted to nothing.
bool IsBlankText(std::string_view text);

// Writes a result text with the run's decimal mark (the engine's texts have a period).
void ApplyDecimalMark(std::string &text, DecimalMark mark);

} // namespace quorlex::conversion
