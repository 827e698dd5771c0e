#pragma once

#include "cli/ArgumentScan.h"
#include "conversion/ExactFactors.h"
#include "conversion/ResultStyle.h"
#include "conversion/ValueText.h"

#include <optional>
#include <string>
#include <vector>

namespace quorlex::cli {

// What one run is asked to do, from the command line.
struct Options {
    enum class Task { Values, Csv, List, Factor, Calc, CalcList };
    Task task = Task::Values;
    Positional from;                // the units of the values
    Positional to;                  // the units of the results
    std::vector<Positional> values; // values on the command line; none: standard input
    std::string listCategory;       // --list CATEGORY: empty lists the categories

    std::string category; // -c: the category that decides between units of several categories
    conversion::ResultStyle style = conversion::ResultStyle::Automatic;
    int places = 0;
    conversion::DecimalMark mark = conversion::DecimalMark::Period;
    bool keepGoing = false;
    std::string output; // -o: empty for standard output
    // --tables: the window's factor tables instead of the units' exact definitions.
    conversion::Factors factors = conversion::Factors::Exact;
    bool explain = false; // --explain: the definitions and factors behind the conversion

    std::string csv;    // --csv: a path, or "-" for standard input
    std::string column; // --column: a 1-based position (digits only) or a header name
    bool noHeader = false;
    char delimiter = ',';
    bool replace = false;

    bool tsv = false; // --list: tab-separated

    std::vector<Positional> calc; // calc: the calculation's id and its inputs, as given
    std::string answerUnit;       // calc --to: the unit of the answer; empty for the formula's own
    bool verbose = false; // calc -v: the formula, its source, the class and warnings on standard error
};

// The options of a command line, or nullopt when it asked for help or the version, which have been written
// to help. Throws UsageError for a command line that cannot run.
std::optional<Options> ParseCommandLine(const std::vector<std::string> &arguments, std::string &help);

} // namespace quorlex::cli
