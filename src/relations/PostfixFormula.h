#pragma once

#include "engine/Formula.h"
#include "relations/Relation.h"

#include <span>
#include <string_view>

namespace quorlex::relations {

// A function a formula may call by name: "es(Tw)".
struct NamedFunction {
    std::string_view name;
    double (*function)(double);
};

// A formula written in postfix, tokens between blanks, so that a table of relations can hold its formulas
// as text: "0.010 CBH * 460 25.9 FMC * + * 1.5 ^" is (0.010 × CBH × (460 + 25.9 × FMC))^1.5. A token is
// an operator (+ - * / ^), a function's name (applied to the value before it), an input's sign, or a
// number: "0.46", "-0.0692" (written with a minus sign), "7/6" (a ratio, written as given), "π/4".
// A text that is not a formula over these inputs is a fault of the table: the result is then empty.
Formula PostfixFormula(std::string_view text, std::span<const Quantity> inputs,
                       std::span<const NamedFunction> functions, bool &ok);

} // namespace quorlex::relations
