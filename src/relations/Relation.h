#pragma once

#include "engine/Formula.h"

#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex::relations {

// The values a quantity may take, in the unit its formula takes: from `least` to `most`, each end open
// (not itself allowed) or closed. The whole line by default.
struct Range {
    double least = -std::numeric_limits<double>::infinity();
    double most = std::numeric_limits<double>::infinity();
    bool leastOpen = false;
    bool mostOpen = false;

    bool Holds(double value) const;
    bool Bounded() const;
    // "0 < WAF ≤ 1", "Mw ≥ 0", written over the quantity's sign.
    // Each bound written by `bound`, by its general text without one.
    std::string Text(std::string_view sign, std::string (*bound)(double) = nullptr) const;
};

// The name of the quantities that are times: read as hours, minutes or seconds, not a catalogue category.
inline constexpr std::string_view kTimeCategory = "Time";

// The name of the quantities that are map scales: "1:24,000", "1:24000" or the denominator alone, read as
// that denominator.
inline constexpr std::string_view kScaleCategory = "Scale";

// An input that may be left out without a value standing for it: its fallback is this, and the formula
// does not read it.
inline constexpr double kNotGiven = std::numeric_limits<double>::quiet_NaN();

// An input or the output of a relation.
struct Quantity {
    std::string_view name;     // how the command line names it (NAME=VALUE) and a page keys it: "ros"
    std::string_view title;    // "rate of spread"
    std::string_view sign;     // how the formula writes it: "R"
    std::string_view category; // a catalogue class name ("Speed"), kTimeCategory, or empty for a number
    std::string_view unit;     // the unit the formula takes: a symbol of the category ("m/s"), "%" or empty
    Range allowed;             // a value outside is refused: no such value exists, whatever the source
    std::optional<double> fallback; // the value when the input is not given (none: it must be given)

    bool IsNumber() const { return category.empty() || category == kScaleCategory; }
    // An input that may be left out, with nothing standing for it (kNotGiven).
    bool IsOptional() const { return fallback && std::isnan(*fallback); }
};

// Which quantity places a calculation in the fire-suppression classes of the interpretation chart: the
// quantity the user gave or the exact relation computed, never one a fit derived, so that a given
// intensity or flame length falls in the same class whichever calculation it went through.
enum class ChartBy {
    None,
    FlameLength, // the relation's flame length (feet)
    Intensity,   // the relation's fireline intensity (BTU/ft/s)
};

// A range a publication gives for a relation: outside it the answer still stands, with a warning that
// names the range and where it comes from.
struct PublishedRange {
    int slot = -1;         // the input it bounds; -1 for the output
    Range range;           // in `unit`
    std::string_view unit; // the unit the publication writes it in
    std::string_view what; // "the fireline intensities observed in wildland fires (Alexander 1982)"
};

// A fire calculation: inputs, output, and the formula over the inputs' signs, input i at slot i.
struct Relation {
    std::string_view id;    // "flame-length"
    std::string_view title; // "flame length from fireline intensity"
    std::vector<Quantity> inputs;
    Quantity output;
    Formula formula;
    std::string_view source;  // "Byram 1959"; empty for a definition
    std::string_view inverse; // the id of the relation that gives the first input back, or empty
    ChartBy chart = ChartBy::None;
    bool fit = false; // an empirical fit: its answers carry 3 significant digits, not a conversion's 15
    std::optional<PublishedRange> published;
    std::string_view note; // what else a reader of the answer should know: "some programs use k = 1.13"
    // Refuses inputs that are each allowed but impossible together (a wet bulb above the dry bulb): the
    // refusal naming the input, or empty. Null for none.
    std::string (*check)(std::span<const double> inputs) = nullptr;
    // What the answer means for these inputs ("torching expected: ..."), shown where a class is; empty for
    // nothing to say. Null for none.
    std::string (*verdict)(std::span<const double> inputs, double output) = nullptr;

    // "15 ≤ I ≤ 100000 kW/m, the fireline ... (Alexander 1982)", "no published range" for a fit without
    // one, "none needed, the relation is exact" otherwise.
    std::string RangeText() const;
    // "L = 0.45 × I^0.46"
    std::string FormulaText() const;
    // "L in ft, I in BTU/ft/s": the units the formula takes, output first.
    std::string UnitsText() const;
    // The position of an input by name; -1 for none.
    int InputIndex(std::string_view name) const;
};

// The relations of a burn plan and a fire weather observation, in the order they are listed.
std::vector<Relation> BurnPlanRelations();

// Every relation, in the order they are listed.
std::span<const Relation> Relations();

// The relation of an id; null for none.
const Relation *FindRelation(std::string_view id);

} // namespace quorlex::relations
