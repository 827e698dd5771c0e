#pragma once

namespace quorlex::cli {

class OutputSink;

// --list: every category (index, caption, class name), in aligned columns under a heading, or as
// tab-separated values without one.
void ListCategories(OutputSink &out, bool tsv);

// --list CATEGORY: the category's units (index, symbol, aliases, list text) in the same two forms.
void ListUnits(int category, OutputSink &out, bool tsv);

} // namespace quorlex::cli
