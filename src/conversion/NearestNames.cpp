#include "conversion/NearestNames.h"

#include <algorithm>
#include <numeric>

namespace quorlex::conversion {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int ReplaceCost(char a, char b) {
    if (a == b) {
        return 0;
    }
    return Lower(a) == Lower(b) ? 1 : 2;
}

} // namespace

int NameDistance(std::string_view a, std::string_view b) {
    // Three rows of the Damerau-Levenshtein table (optimal string alignment).
    const std::size_t width = b.size() + 1;
    std::vector<int> before(width);
    std::vector<int> previous(width);
    std::vector<int> current(width);
    for (std::size_t j = 0; j < width; ++j) {
        previous[j] = static_cast<int>(2 * j);
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(2 * i);
        for (std::size_t j = 1; j < width; ++j) {
            int cost = std::min(
                {previous[j] + 2, current[j - 1] + 2, previous[j - 1] + ReplaceCost(a[i - 1], b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                cost = std::min(cost, before[j - 2] + 2);
            }
            current[j] = cost;
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::vector<std::size_t> NearestNames(std::string_view text, const std::vector<std::string> &names,
                                      std::size_t most) {
    // A text this long is no mistyped name, and would cost long to compare with every name.
    constexpr std::size_t kLongestCompared = 64;
    if (text.size() > kLongestCompared) {
        return {};
    }
    // About one mistake in three characters, at least one mistake.
    const int farthest = 2 * std::max<int>(1, static_cast<int>(text.size()) / 3);
    std::vector<int> distances(names.size());
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < names.size(); ++i) {
        // Each character one text has beyond the other costs an insertion (2): a name far longer or
        // shorter is too far without working its distance out.
        const std::size_t gap =
            text.size() > names[i].size() ? text.size() - names[i].size() : names[i].size() - text.size();
        if (2 * gap > static_cast<std::size_t>(farthest)) {
            continue;
        }
        distances[i] = NameDistance(text, names[i]);
        if (distances[i] <= farthest) {
            order.push_back(i);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [&distances](std::size_t x, std::size_t y) { return distances[x] < distances[y]; });
    if (order.size() > most) {
        order.resize(most);
    }
    return order;
}

} // namespace quorlex::conversion
