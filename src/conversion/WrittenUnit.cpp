#include "conversion/WrittenUnit.h"

#include "conversion/CategoryUnits.h"
#include "conversion/ExactFactors.h"
#include "conversion/Quoted.h"
#include "conversion/UnitChoice.h"
#include "definitions/UnitText.h"
#include "engine/Catalogue.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace quorlex::conversion {

namespace {

using definitions::Dimension;
using definitions::DimensionText;
using definitions::ExactRatio;

// A category worked by factors, with its dimension and the exact size of each of its units in SI.
struct Measure {
    int category = -1;
    Dimension dimension;
    std::vector<ExactRatio> sizes;
};

const std::vector<Measure> &Measures() {
    static const std::vector<Measure> measures = [] {
        std::vector<Measure> all;
        for (const auto &entry : Catalogue()) {
            if (!HasExactFactors(entry.index)) {
                continue;
            }
            Measure measure{entry.index, {}, {}};
            for (int unit = 0; unit < UnitCount(entry.index); ++unit) {
                const auto value = definitions::Evaluate(ExactExpressionOf(entry.index, unit));
                measure.dimension = value->dimension;
                measure.sizes.push_back(value->size);
            }
            all.push_back(std::move(measure));
        }
        return all;
    }();
    return measures;
}

int DimensionDistance(const Dimension &a, const Dimension &b) {
    int distance = 0;
    for (std::size_t i = 0; i < a.exponents.size(); ++i) {
        distance += std::abs(a.exponents[i] - b.exponents[i]);
    }
    return distance;
}

// "Energy (kg m^2 s^-2), Fire Line Intensity (kg m s^-3)": the categories nearest a dimension.
std::string NearestCategories(const Dimension &dimension) {
    int least = -1;
    for (const Measure &measure : Measures()) {
        const int distance = DimensionDistance(measure.dimension, dimension);
        least = least < 0 ? distance : std::min(least, distance);
    }
    std::string text;
    int named = 0;
    for (const Measure &measure : Measures()) {
        if (DimensionDistance(measure.dimension, dimension) != least || named == 3) {
            continue;
        }
        text += named++ == 0 ? "" : ", ";
        text += CaptionOf(measure.category);
        text += " (";
        text += DimensionText(measure.dimension);
        text += ')';
    }
    return text;
}

std::string UnitsOf(int category) {
    std::string text;
    for (int unit = 0; unit < UnitCount(category); ++unit) {
        text += unit == 0 ? "" : ", ";
        text += SymbolOf(category, unit);
    }
    return text;
}

Refusal Refused(std::string_view text, const std::string &why, int category = -1) {
    std::string reason = Quoted(text);
    reason += ' ';
    reason += why;
    return {RefusalKind::UnknownUnit, reason, category};
}

} // namespace

std::optional<UnitRef> UnitOfWrittenText(std::string_view text, Refusal &refusal) {
    const definitions::UnitText read = definitions::ReadUnitText(text);
    if (!read.value) {
        if (!read.unknownSymbol) {
            std::string why = "is no unit: ";
            why += read.problem;
            refusal = Refused(text, why);
        }
        return std::nullopt;
    }
    const Dimension &dimension = read.value->dimension;
    const bool pure = dimension == Dimension{};
    // Area per area is basal area; any other ratio of like units is a pure number, which is no unit.
    const bool areaPerArea = pure && read.lengthAbove == 2 && read.lengthBelow == 2;
    if (pure && !areaPerArea) {
        refusal =
            Refused(text, "is a pure number, no unit of any category (basal area is an area per area, as in "
                          "m2/ha)");
        return std::nullopt;
    }
    std::vector<const Measure *> fitting;
    for (const Measure &measure : Measures()) {
        if (measure.dimension == dimension) {
            fitting.push_back(&measure);
        }
    }
    if (fitting.empty()) {
        std::string why = "is ";
        why += DimensionText(dimension);
        why += ", which no category measures; nearest: ";
        why += NearestCategories(dimension);
        refusal = Refused(text, why);
        return std::nullopt;
    }
    if (fitting.size() > 1) {
        std::string categories;
        for (std::size_t i = 0; i < fitting.size(); ++i) {
            categories += i == 0 ? "" : i + 1 == fitting.size() ? " and " : ", ";
            categories += CaptionOf(fitting[i]->category);
        }
        std::string why = "is ";
        why += DimensionText(dimension);
        why += ", which ";
        why += categories;
        why += " all measure: name the unit by its symbol";
        refusal = Refused(text, why);
        return std::nullopt;
    }
    const Measure &measure = *fitting.front();
    for (std::size_t unit = 0; unit < measure.sizes.size(); ++unit) {
        if (measure.sizes[unit] == read.value->size) {
            return UnitRef{measure.category, static_cast<int>(unit)};
        }
    }
    std::string why = "measures ";
    why += CaptionOf(measure.category);
    why += ", but no unit of ";
    why += CaptionOf(measure.category);
    why += " is that size; its units: ";
    why += UnitsOf(measure.category);
    refusal = Refused(text, why, measure.category);
    return std::nullopt;
}

} // namespace quorlex::conversion
