#pragma once

#include "conversion/Refusal.h"
#include "engine/UnitLookup.h"

#include <optional>
#include <span>
#include <string_view>

namespace quorlex::conversion {

// A spelling people use in the field for a unit of the catalogue ("mph" for mi/h, "t/ha" for Mg/ha), taken
// by the command line, calc and the web page but not by the window's lists. Like symbols, spellings
// match with their letter case.
struct Spelling {
    std::string_view text;
    std::string_view className;
    std::string_view symbol;
};

std::span<const Spelling> Spellings();

// The unit a field spelling stands for; nullopt for none.
std::optional<UnitRef> UnitOfSpelling(std::string_view text);

// A refusal for a spelling that could mean more than one thing ("t/ac") or names something no category
// measures ("tpa", trees per acre); nullopt for any other text.
std::optional<Refusal> SpellingRefusal(std::string_view text);

} // namespace quorlex::conversion
