#pragma once

#include "definitions/ExactRatio.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorlex::definitions {

// The exponents of a unit's dimension in the SI base quantities the catalogue needs: length (m), mass
// (kg), time (s), and plane angle (rad), kept apart from a pure number so that a degree is never a percent.
struct Dimension {
    std::array<int, 4> exponents{};
    friend bool operator==(const Dimension &, const Dimension &) = default;
};

// A unit defined by others: its symbol, its definition as an expression of numbers and other units
// ("0.3048 m", "5280 ft", "lb g_n / in^2"), and the published source of that definition. The SI base
// units (m, kg, s, rad) have no definition.
struct NamedUnit {
    std::string_view symbol;
    std::string_view name;
    std::string_view definition;
    std::string_view source;
};

// Every unit the catalogue's units are written in.
std::span<const NamedUnit> NamedUnits();
const NamedUnit *FindNamedUnit(std::string_view symbol);

// A unit's size in SI base units and its dimension.
struct UnitValue {
    ExactRatio size;
    Dimension dimension;
};

// The value of a unit expression: numbers and unit symbols, multiplied by juxtaposition or "*", divided by
// "/" (left to right: "kJ/m^2/min" is kJ per m^2 per min), raised to whole powers by "^", grouped by
// parentheses. Nullopt for a malformed expression or an unknown symbol.
std::optional<UnitValue> Evaluate(std::string_view expression);

// The definition of a catalogue unit, by its category's class name and its symbol: the expression its
// symbol stands for ("ton/(ac ft)" for ton/ac-ft). Empty for a category worked by a formula (temperature,
// slope) or a unit that is not in the catalogue.
std::string_view CatalogueUnitExpression(std::string_view className, std::string_view symbol);

// The definition of a symbol spelled out down to the SI base units, one step a line, each with its source:
// "ft = 0.3048 m (NIST SP 811 ...)". For an expression, every symbol in it.
std::string DefinitionChain(std::string_view expression);

} // namespace quorlex::definitions
