#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex::conversion {

// How far apart two names are: an edit distance where a change of letter case alone costs 1 and every
// other change (a character added, dropped, replaced, or two neighbours swapped) costs 2. "mg" and "Mg"
// are 1 apart, "tonne" and "tone" 2.
int NameDistance(std::string_view a, std::string_view b);

// The positions in names of the (at most `most`) names nearest to text, nearest first, ties in the
// order of names; names farther than a text of this length could be mistyped into are left out, and a
// text longer than any name (over 64 bytes) has none.
std::vector<std::size_t> NearestNames(std::string_view text, const std::vector<std::string> &names,
                                      std::size_t most);

} // namespace quorlex::conversion
