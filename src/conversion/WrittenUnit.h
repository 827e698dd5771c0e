#pragma once

#include "conversion/Refusal.h"
#include "engine/UnitLookup.h"

#include <optional>
#include <string_view>

namespace quorlex::conversion {

// The catalogue unit a unit written as in papers stands for ("Mg ha-1", "kg/m^2", "BTU ft-1 s-1"): the
// text is read into named units with powers, the one category measuring its dimension is chosen, and the
// unit of that category with exactly that size is taken. Nullopt, with no refusal, for a text that names
// a symbol no unit has (the caller refuses it with the nearest names); nullopt with a one-line refusal for
// a malformed or over-long text, a dimension no category or several measure, a pure number, or a size
// no unit of the category has.
std::optional<UnitRef> UnitOfWrittenText(std::string_view text, Refusal &refusal);

} // namespace quorlex::conversion
