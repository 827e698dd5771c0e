#include "relations/RelationText.h"

#include <array>
#include <limits>

namespace quorlex::relations {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The text up to `separator` (or the end), and the rest after it.
std::string_view Next(std::string_view &text, char separator) {
    const auto end = text.find(separator);
    const std::string_view piece = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return piece;
}

// The ranges by their codes (RelationText.h).
struct RangeCode {
    char code;
    Range range;
};
constexpr std::array<RangeCode, 10> kRanges{{
    {'n', Range{0.0}},
    {'o', Range{0.0}},
    {'p', Range{0.0, kInfinity, true}},
    {'%', Range{0.0, 100.0}},
    {'w', Range{0.0, 100.0, false, true}},
    {'a', Range{0.0, 1.0, true, false}},
    {'c', Range{-273.15, kInfinity, true}},
    {'f', Range{-459.67, 140.0, true, true}}, // foliage dies at 60 °C, 140 °F
    {'1', Range{1.0}},
    // ln(10/z0) / ln(6.096/z0), the ratio of the 10-m to the 20-ft (6.096 m) wind under the logarithmic wind
    // profile, over the Davenport-Wieringa roughness lengths z0 from 0.0002 m (open sea) to 2 m (city
    // centres, irregular forest with clearings) (Stull, Meteorology for Scientists and Engineers, table of
    // aerodynamic roughness lengths; the WMO's Davenport classification names the same classes): 1.048 to
    // 1.444, widened to two places.
    {'k', Range{1.04, 1.45}},
}};

Quantity QuantityOf(std::string_view text) {
    Quantity quantity{
        Next(text, '~'), Next(text, '~'), Next(text, '~'), Next(text, '~'), Next(text, '~'), {}, {}};
    const char code = text.empty() ? ' ' : text[0];
    for (const RangeCode &range : kRanges) {
        if (range.code == code) {
            quantity.allowed = range.range;
        }
    }
    if (code == 'o') {
        quantity.fallback = kNotGiven;
    } else if (code == 'k') {
        // Turner and Lawson (1978), as the NWCG glossary and the Missoula fire lab's behave library give it.
        quantity.fallback = 1.15;
    }
    return quantity;
}

} // namespace

void ReadRelations(std::string_view table, std::span<const NamedFunction> functions,
                   std::span<const RelationExtra> extras, std::vector<Relation> &relations) {
    while (!table.empty()) {
        std::string_view line = Next(table, '\n');
        // The braces read the fields in order.
        Relation relation{Next(line, '|'), Next(line, '|'), {}, {}, Formula::Number(0, "0"), {}, {},
                          ChartBy::None,   false,           {}, {}};
        for (std::string_view inputs = Next(line, '|'); !inputs.empty();) {
            relation.inputs.push_back(QuantityOf(Next(inputs, ';')));
        }
        relation.output = QuantityOf(Next(line, '|'));
        bool ok = false;
        relation.formula = PostfixFormula(Next(line, '|'), relation.inputs, functions, ok);
        relation.source = Next(line, '|');
        relation.inverse = Next(line, '|');
        for (const char flag : Next(line, '|')) {
            relation.fit = relation.fit || flag == 'F';
            if (flag == 'I' || flag == 'L') {
                relation.chart = flag == 'I' ? ChartBy::Intensity : ChartBy::FlameLength;
            }
            for (const RelationExtra &extra : extras) {
                if (extra.flag == flag) {
                    relation.published = extra.published ? extra.published : relation.published;
                    relation.check = extra.check != nullptr ? extra.check : relation.check;
                    relation.verdict = extra.verdict != nullptr ? extra.verdict : relation.verdict;
                }
            }
        }
        relation.note = line;
        relations.push_back(std::move(relation));
    }
}

} // namespace quorlex::relations
