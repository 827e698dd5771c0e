#pragma once

#include "definitions/ExactRatio.h"
#include "fuelmodels/StandardModels.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorlex::fuelmodels {

// The two unit systems of a custom fuel model file, named by its first line.
enum class UnitSystem { English, Metric };

std::string_view SystemWord(UnitSystem system); // "ENGLISH", "METRIC"

// What a field measures: loads, surface-area-to-volume ratios, depth, moisture of extinction (percent in
// both systems) and heat contents.
enum class Quantity { Load, Sav, Depth, Percent, Heat };
Quantity QuantityOf(Field field);

// A field's unit symbol in a system: ton/ac and t/ha, 1/ft and 1/cm, ft and cm, %, BTU/lb and kJ/kg.
std::string_view UnitOf(Quantity quantity, UnitSystem system);

// How many metric units one English unit of the quantity is, exactly, from the units' definitions
// (1 for percent).
const definitions::ExactRatio &EnglishToMetric(Quantity quantity);

// A field's short label for tables ("1-h load", "live woody SAV").
std::string_view FieldLabel(Field field);

// A number as a file writes it: an optional sign, digits with at most one period, an optional exponent.
// Nullopt for any other text, or one beyond 40 digits or an exponent beyond 30 either way.
struct DecimalNumber {
    bool negative = false;
    std::string digits; // the significant digits as written, leading zeros dropped ("" for zero)
    int scale = 0;      // the value is digits / 10^scale
};
std::optional<DecimalNumber> ReadDecimal(std::string_view text);

// The number times an exact factor (or divided by it), written with the fewest decimals that bring the
// original back at the decimals it was written with when converted the other way, and that show as many
// significant digits as the original (unless wholeNumbers: no decimals beyond the round trip's). Zero
// stays as written.
std::string ConvertDecimal(std::string_view text, const DecimalNumber &number,
                           const definitions::ExactRatio &factor, bool inverse, bool wholeNumbers);

// A field's text converted from one system to the other (unchanged between the same systems or for
// percent). Nullopt when the text is not a number ReadDecimal reads.
std::optional<std::string> ConvertField(Quantity quantity, std::string_view text, UnitSystem from,
                                        UnitSystem to);

// A number's value as a double, through the program's number texts.
std::optional<double> ValueOf(std::string_view text);

} // namespace quorlex::fuelmodels
