#include "relations/Relation.h"

#include "numbers/GeneralText.h"

#include <cmath>

namespace quorlex::relations {

bool Range::Holds(double value) const {
    const bool aboveLeast = leastOpen ? value > least : value >= least;
    const bool belowMost = mostOpen ? value < most : value <= most;
    return aboveLeast && belowMost;
}

bool Range::Bounded() const {
    return std::isfinite(least) || std::isfinite(most);
}

std::string Range::Text(std::string_view sign, std::string (*writer)(double)) const {
    const auto bound = [writer](double value) {
        return writer != nullptr ? writer(value) : GeneralText(value);
    };
    std::string text;
    if (std::isfinite(least)) {
        if (!std::isfinite(most)) {
            text = std::string(sign) + (leastOpen ? " > " : " \u2265 ") + bound(least);
            return text;
        }
        text = bound(least) + (leastOpen ? " < " : " \u2264 ");
    }
    text += sign;
    if (std::isfinite(most)) {
        text += (mostOpen ? " < " : " \u2264 ") + bound(most);
    }
    return text;
}

std::string Relation::FormulaText() const {
    return EquationText(output.sign, formula);
}

std::string Relation::UnitsText() const {
    std::string text;
    const auto add = [&text](const Quantity &quantity) {
        text += text.empty() ? "" : ", ";
        text += quantity.sign;
        if (quantity.unit.empty()) {
            text += " a number";
        } else {
            text += " in ";
            text += quantity.unit;
        }
    };
    add(output);
    for (const Quantity &input : inputs) {
        add(input);
    }
    return text;
}

std::string Relation::RangeText() const {
    if (!published) {
        return fit ? "no published range" : "none needed, the relation is exact";
    }
    const Quantity &quantity =
        published->slot < 0 ? output : inputs[static_cast<std::size_t>(published->slot)];
    std::string text = published->range.Text(quantity.sign);
    text += ' ';
    text += published->unit;
    text += ", ";
    text += published->what;
    return text;
}

int Relation::InputIndex(std::string_view name) const {
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const Relation *FindRelation(std::string_view id) {
    for (const Relation &relation : Relations()) {
        if (relation.id == id) {
            return &relation;
        }
    }
    return nullptr;
}

} // namespace quorlex::relations
