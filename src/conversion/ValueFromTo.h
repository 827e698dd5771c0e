#pragma once

#include "conversion/Refusal.h"
#include "conversion/UnitChoice.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorlex::conversion {

// Whether a word is meant as a value: it passes the numeric test under either decimal mark, or it starts
// with "-" and a character that starts no option ("-&H10", "-.", "-5x"), so that it is refused as a value
// instead of being taken for a unit or an option.
bool IsValueArgument(std::string_view word);

// Where the units and the values stand among the words of a conversion: VALUE FROM TO, or FROM TO
// followed by any number of values (none: the values come from elsewhere).
struct WordRoles {
    std::size_t from = 0;
    std::size_t to = 1;
    std::size_t firstValue = 2; // the values are the words from firstValue up to valueEnd
    std::size_t valueEnd = 2;
};

// The roles of the words, or nullopt and a refusal (RefusalKind::Syntax) when they form neither shape.
std::optional<WordRoles> AssignWords(std::span<const std::string> words, Refusal &refusal);

// One line in the VALUE FROM TO form ("12.5 ton/ac Mg/ha", "2500 g/m2 \"tons per acre\"", or FROM TO VALUE
// with one value or none): the units and the value text, read as the command line reads its arguments.
struct LineReading {
    UnitChoice units;
    std::string value;
};

// Reads a line: words split at blanks, a name with blanks in double quotes; where a value is followed by
// more than two words, the one parting of them into two units of one category ("12.5 ton/ac Mg ha-1",
// "12.5 tons per acre Mg/ha"), if exactly one gives two units. A name that fits several
// categories is settled by the other unit, then by `currentCategory` (-1 for none). Nullopt and a refusal
// for a line that is not of the form or names no clear units.
std::optional<LineReading> ReadConversionLine(std::string_view line, int currentCategory, Refusal &refusal);

} // namespace quorlex::conversion
