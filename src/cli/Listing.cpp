#include "cli/Listing.h"

#include "cli/OutputSink.h"
#include "conversion/CategoryUnits.h"
#include "conversion/UnitChoice.h"
#include "conversion/UnitSpellings.h"
#include "engine/Catalogue.h"

#include <algorithm>
#include <string>
#include <vector>

namespace quorlex::cli {

namespace {

using Table = std::vector<std::vector<std::string>>;

// Characters on a terminal: the bytes that start a UTF-8 character ("°F" is two).
std::size_t Width(const std::string &text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Rows as tab-separated values, or in columns two blanks apart under the heading.
void WriteTable(OutputSink &out, const std::vector<std::string> &heading, const Table &rows, bool tsv) {
    if (tsv) {
        for (const auto &row : rows) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                out.Append(i == 0 ? "" : "\t");
                out.Append(row[i]);
            }
            out.Append('\n');
        }
        return;
    }
    std::vector<std::size_t> widths(heading.size());
    for (std::size_t i = 0; i < heading.size(); ++i) {
        widths[i] = Width(heading[i]);
        for (const auto &row : rows) {
            widths[i] = std::max(widths[i], Width(row[i]));
        }
    }
    const auto writeRow = [&](const std::vector<std::string> &row) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) {
                line.append(widths[i] - Width(row[i]) + 2, ' ');
            }
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        out.Append(line);
        out.Append('\n');
    };
    writeRow(heading);
    for (const auto &row : rows) {
        writeRow(row);
    }
}

} // namespace

void ListCategories(OutputSink &out, bool tsv) {
    Table rows;
    for (const auto &category : Catalogue()) {
        rows.push_back(
            {std::to_string(category.index), std::string(category.caption), std::string(category.className)});
    }
    WriteTable(out, {"index", "category", "class name"}, rows, tsv);
}

void ListUnits(int category, OutputSink &out, bool tsv) {
    Table rows;
    const auto count = static_cast<std::size_t>(conversion::UnitCount(category));
    for (std::size_t unit = 0; unit < count; ++unit) {
        const UnitEntry &units = conversion::EntryOfUnit(category, static_cast<int>(unit));
        std::string aliases;
        const auto addAlias = [&aliases, tsv](std::string_view alias) {
            aliases += aliases.empty() ? "" : (tsv ? "," : ", ");
            aliases += alias;
        };
        for (const auto alias : units.aliases) {
            if (!alias.empty()) {
                addAlias(alias);
            }
        }
        // The field spellings the command line takes besides the window's names ("MPH", "Btu/lb").
        for (const conversion::Spelling &spelling : conversion::Spellings()) {
            const auto named = conversion::UnitOfSpelling(spelling.text);
            if (named && named->category == category && named->unit == static_cast<int>(unit)) {
                addAlias(spelling.text);
            }
        }
        rows.push_back({std::to_string(unit), std::string(units.symbol), aliases,
                        std::string(conversion::ListNameOf(category, static_cast<int>(unit)))});
    }
    WriteTable(out, {"index", "symbol", "aliases", "list text"}, rows, tsv);
    // The units beyond the window's own, said below the table so that the TSV stays a table.
    const int window = conversion::WindowUnitCount(category);
    const int last = conversion::UnitCount(category) - 1;
    if (!tsv && window <= last) {
        std::string note = window == last ? "Unit " : "Units ";
        note += std::to_string(window);
        if (window < last) {
            note += last == window + 1 ? " and " : " to ";
            note += std::to_string(last);
        }
        note += window == last ? " is" : " are";
        note += " not in the desktop program's lists; --tables does not take them.\n";
        out.Append(note);
    }
}

} // namespace quorlex::cli
