#include "conversion/ExactFactors.h"

#include "conversion/CategoryUnits.h"
#include "conversion/UnitChoice.h"
#include "definitions/UnitDefinitions.h"
#include "engine/Catalogue.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace quorlex::conversion {

namespace {

// A category's units' sizes in SI, in list order; empty for a category worked by a formula.
const std::vector<definitions::ExactRatio> &SizesOf(int category) {
    static std::array<std::vector<definitions::ExactRatio>, kCategoryCount> sizes;
    static std::array<bool, kCategoryCount> made{};
    const auto index = static_cast<std::size_t>(category);
    if (!made[index]) {
        made[index] = true;
        for (int unit = 0; unit < UnitCount(category); ++unit) {
            const std::string expression = ExactExpressionOf(category, unit);
            if (expression.empty()) {
                sizes[index].clear();
                break;
            }
            const auto value = definitions::Evaluate(expression);
            if (!value) {
                // The definitions are data of this program: a broken one is a fault to fix, not an input.
                throw std::logic_error("no exact definition reads from " + expression);
            }
            sizes[index].push_back(value->size);
        }
    }
    return sizes[index];
}

} // namespace

std::string ExactExpressionOf(int category, int unit) {
    return std::string(definitions::CatalogueUnitExpression(ClassNameOf(category), SymbolOf(category, unit)));
}

bool HasExactFactors(int category) {
    return !SizesOf(category).empty();
}

std::optional<definitions::ExactRatio> ExactRatioOf(int category, int from, int to) {
    const auto &sizes = SizesOf(category);
    if (sizes.empty()) {
        return std::nullopt;
    }
    return sizes[static_cast<std::size_t>(from)] / sizes[static_cast<std::size_t>(to)];
}

double ExactFactor(int category, int from, int to) {
    static std::array<std::vector<double>, kCategoryCount> factors;
    const auto index = static_cast<std::size_t>(category);
    const auto count = static_cast<std::size_t>(UnitCount(category));
    auto &table = factors[index];
    if (table.empty()) {
        table.assign(count * count, 0.0);
        for (std::size_t a = 0; a < count; ++a) {
            for (std::size_t b = 0; b < count; ++b) {
                const auto ratio = ExactRatioOf(category, static_cast<int>(a), static_cast<int>(b));
                table[a * count + b] = ratio ? ratio->Nearest() : 0.0;
            }
        }
    }
    return table[static_cast<std::size_t>(from) * count + static_cast<std::size_t>(to)];
}

} // namespace quorlex::conversion
