#pragma once

#include "relations/PostfixFormula.h"
#include "relations/Relation.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex::relations {

// What a relation may carry beyond its text: chosen by a flag letter of its line.
struct RelationExtra {
    char flag;
    std::optional<PublishedRange> published;
    std::string (*check)(std::span<const double> inputs) = nullptr;
    std::string (*verdict)(std::span<const double> inputs, double output) = nullptr;
};

// Reads relations written one a line, fields between '|': id | title | inputs (';' between them) | output
// | formula in postfix (PostfixFormula) | source | the id of the inverse | flags | note. A quantity's fields
// are between '~': name ~ title ~ sign ~ category ~ unit ~ the code of its allowed range:
//   (none) any value        n  not negative          p  positive
//   %  0 to 100             w  0 to less than 100    a  above 0 to 1
//   c  above -273.15 (°C)   f  between -459.67 and 140 (°F)
//   1  at least 1           o  not negative, optional (kNotGiven)
//   k  the ratio of the 10-m to the 20-ft wind: 1.04 to 1.45, 1.15 when not given
// Flags: F an empirical fit (else exact), I or L the chart class by intensity or flame length, and the flag
// of any RelationExtra. Held as text, the relations cost the web page's engine little.
void ReadRelations(std::string_view table, std::span<const NamedFunction> functions,
                   std::span<const RelationExtra> extras, std::vector<Relation> &relations);

} // namespace quorlex::relations
