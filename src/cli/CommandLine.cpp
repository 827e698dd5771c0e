#include "cli/CommandLine.h"

#include "cli/Failure.h"
#include "cli/HelpText.h"
#include "cli/Messages.h"
#include "cli/Version.h"
#include "conversion/ValueFromTo.h"
#include "delimited/TableRun.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace quorlex::cli {

namespace {

// CLI11's help with our usage forms and examples first, before the options.
class HelpFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App * /*app*/, std::string /*name*/) const override {
        return std::string(UsageAndExamples());
    }
};

char DelimiterOf(const std::string &text) {
    if (text == "tab") {
        return '\t';
    }
    if (text.size() != 1) {
        throw UsageError("--delimiter takes one character, or the word tab: " + text);
    }
    const char delimiter = text[0];
    if (delimiter == '"' || delimiter == '\r' || delimiter == '\n' ||
        (static_cast<unsigned char>(delimiter) & 0x80) != 0) {
        throw UsageError("--delimiter cannot be a quote, a line ending or a byte outside ASCII");
    }
    return delimiter;
}

// Splits the positional arguments among units and values by the task.
void AssignPositionals(Options &options, const std::vector<Positional> &positionals) {
    const auto count = positionals.size();
    switch (options.task) {
    case Options::Task::List:
        if (count > 1) {
            throw UsageError("--list takes at most one category, not " + std::to_string(count) +
                             " arguments");
        }
        if (count == 1) {
            options.listCategory = positionals[0].text;
        }
        return;
    case Options::Task::Factor:
    case Options::Task::Csv:
        if (count != 2) {
            throw UsageError(std::string(options.task == Options::Task::Csv ? "--csv" : "--factor") +
                             " takes the two units FROM and TO, not " + std::to_string(count) + " arguments");
        }
        options.from = positionals[0];
        options.to = positionals[1];
        return;
    case Options::Task::Calc:
        options.calc.assign(positionals.begin() + 1, positionals.end());
        return;
    case Options::Task::CalcList:
        if (count > 1) {
            throw UsageError("calc --list takes no further arguments");
        }
        return;
    case Options::Task::Fmd:
    case Options::Task::FuelModel:
    case Options::Task::FuelModelList:
        options.fuel.assign(positionals.begin() + 1, positionals.end());
        return;
    case Options::Task::Values:
        break;
    }
    std::vector<std::string> words;
    words.reserve(count);
    for (const Positional &positional : positionals) {
        words.push_back(positional.text);
    }
    conversion::Refusal refusal;
    const auto roles = conversion::AssignWords(words, refusal);
    if (!roles) {
        throw UsageError(count == 0 ? refusal.reason + " (see --help)" : refusal.reason);
    }
    options.from = positionals[roles->from];
    options.to = positionals[roles->to];
    options.values.assign(positionals.begin() + static_cast<std::ptrdiff_t>(roles->firstValue),
                          positionals.begin() + static_cast<std::ptrdiff_t>(roles->valueEnd));
}

// The fuel model commands take their own options: none of the conversions' or calc's.
void CheckFuelOptions(Options &options, const std::string &command, bool list, bool conversionOptions) {
    const bool fmd = command == "fmd";
    if (conversionOptions) {
        throw UsageError(command + " takes none of -p, -g, --decimal-comma, -c, --tables, --explain, --csv, "
                                   "--column, --no-header, --delimiter, --replace, -v, --tsv or --factor");
    }
    if (fmd) {
        if (list || options.metric || options.fmd || options.renumber >= 0) {
            throw UsageError("--list, --metric, --fmd and --renumber go with fuel-model, not fmd");
        }
        if (options.check == !options.answerUnit.empty()) {
            throw UsageError("fmd takes --check, or --to english or --to metric");
        }
        if (!options.answerUnit.empty() && options.answerUnit != "metric" &&
            options.answerUnit != "english") {
            throw UsageError("fmd --to takes english or metric, not " + Quoted(options.answerUnit));
        }
        if (options.check && (!options.output.empty() || options.keepGoing)) {
            throw UsageError(
                "fmd --check writes its report on standard output and takes no -o or --keep-going");
        }
        options.task = Options::Task::Fmd;
        return;
    }
    if (options.check || !options.answerUnit.empty() || options.keepGoing) {
        throw UsageError("--check, --to and --keep-going go with fmd, not fuel-model");
    }
    if (options.renumber >= 0 && !options.fmd) {
        throw UsageError("--renumber goes with --fmd");
    }
    if (list && (options.fmd || options.metric)) {
        throw UsageError("fuel-model --list takes no --fmd or --metric");
    }
    options.task = list ? Options::Task::FuelModelList : Options::Task::FuelModel;
}

} // namespace

std::optional<Options> ParseCommandLine(const std::vector<std::string> &arguments, std::string &help) {
    Options options;
    int places = -1;
    bool general = false;
    bool decimalComma = false;
    bool list = false;
    bool factor = false;
    bool tables = false;
    std::string delimiter;

    CLI::App app{std::string(kDescription), std::string(kProgramName)};
    app.formatter(std::make_shared<HelpFormatter>());
    app.get_formatter()->column_width(24);
    app.footer(std::string(kExitStatusText));
    app.set_help_flag();
    app.option_defaults()->group("Conversion");
    app.add_option("-p,--places", places, "Write results with N decimal places (0 to 25)")
        ->type_name("N")
        ->check(CLI::Range(0, 25).description(""));
    app.add_flag("-g,--general", general, "Write results as general text, up to 15 significant digits");
    app.add_flag("--decimal-comma", decimalComma,
                 "Read and write a comma as the decimal point (a period is refused)");
    app.add_option("-c,--category", options.category, "The category, where a unit name fits several")
        ->type_name("NAME");
    app.add_flag("--keep-going", options.keepGoing,
                 "Write an empty result for a refused value, report it and go on (exit status 2)");
    app.add_option("-o,--output", options.output, "Write to FILE, replaced only when the run succeeds")
        ->type_name("FILE");
    app.add_flag("--tables", tables,
                 "Convert by the window's factor tables, for the desktop program's answers byte for byte");
    app.add_flag("--explain", options.explain,
                 "Show the working: each unit's definition down to SI with its source, the exact factor "
                 "and the window's");
    app.add_option("--csv", options.csv, "Convert a column of a delimited file (- for standard input)")
        ->type_name("FILE")
        ->group("Files");
    app.add_option("--column", options.column, "The column: a 1-based position, or a header name")
        ->type_name("C")
        ->group("Files");
    app.add_flag("--no-header", options.noHeader, "The file has no header line (--column is a position)")
        ->group("Files");
    app.add_option("--delimiter", delimiter, "The field delimiter: one character, or tab (default ,)")
        ->type_name("C")
        ->group("Files");
    app.add_flag("--replace", options.replace, "Put the result in place of the column instead of after it")
        ->group("Files");
    app.add_option("--to", options.answerUnit,
                   "calc: the unit of the answer (default: the formula's); fmd: english or metric")
        ->type_name("UNIT")
        ->group("Fire calculations");
    app.add_flag("-v,--verbose", options.verbose,
                 "calc: the formula, its source, its range and the fire-suppression class on standard error; "
                 "with --csv, class and warning columns")
        ->group("Fire calculations");
    app.add_flag("--check", options.check,
                 "fmd: report every fault of a custom fuel model file, with its line, and convert nothing")
        ->group("Fuel models");
    app.add_flag("--metric", options.metric, "fuel-model: the values in metric units (default: English)")
        ->group("Fuel models");
    app.add_flag("--fmd", options.fmd, "fuel-model: the models as a custom fuel model file (FlamMap form)")
        ->group("Fuel models");
    app.add_option("--renumber", options.renumber,
                   "fuel-model --fmd: number the models from N, as custom ones")
        ->type_name("N")
        ->check(CLI::Range(1, 256).description(""))
        ->group("Fuel models");
    app.add_flag("--list", list, "List the categories, or the units of one category")->group("Information");
    app.add_flag("--tsv", options.tsv, "List as tab-separated values")->group("Information");
    app.add_flag("--factor", factor, "Print the multiplication factor from FROM to TO")->group("Information");
    // Help and version last, after the options that do the work.
    app.set_help_flag("-h,--help", "Print this help and exit")->group("Information");
    app.set_version_flag("--version", std::string(kProgramName) + " " + std::string(kVersionText),
                         "Print the version and exit")
        ->group("Information");

    const ScannedArguments scanned = ScanArguments(arguments, [&app](const std::string &name) {
        const CLI::Option *option = app.get_option_no_throw(name);
        if (option == nullptr) {
            return OptionKind::Unknown;
        }
        return option->get_items_expected_min() > 0 ? OptionKind::TakesValue : OptionKind::Flag;
    });
    std::vector<std::string> reversed(scanned.options.rbegin(), scanned.options.rend() - 1);
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp &) {
        help = app.help();
        return std::nullopt;
    } catch (const CLI::CallForVersion &version) {
        help = std::string(version.what()) + "\n";
        return std::nullopt;
    } catch (const CLI::ParseError &error) {
        throw UsageError(std::string(error.what()) + " (see --help)");
    }

    if (list + factor + !options.csv.empty() > 1) {
        throw UsageError("--list, --factor and --csv do not go together");
    }
    const std::string command = scanned.positionals.empty() ? std::string() : scanned.positionals[0].text;
    if (command == "fmd" || command == "fuel-model") {
        const bool conversionOptions = places >= 0 || general || decimalComma || !options.category.empty() ||
                                       tables || options.explain || !options.csv.empty() ||
                                       !options.column.empty() || options.noHeader || !delimiter.empty() ||
                                       options.replace || options.verbose || options.tsv || factor;
        CheckFuelOptions(options, command, list, conversionOptions);
        AssignPositionals(options, scanned.positionals);
        return options;
    }
    if (options.check || options.metric || options.fmd || options.renumber >= 0) {
        throw UsageError("--check goes with fmd; --metric, --fmd and --renumber with fuel-model");
    }
    const bool calc = command == "calc";
    if (calc) {
        if (factor) {
            throw UsageError("--factor does not go with calc");
        }
        if (tables) {
            throw UsageError("--tables does not go with calc: the fire calculations always convert by the "
                             "units' exact definitions");
        }
        if (options.explain) {
            throw UsageError(
                "--explain does not go with calc: -v (--verbose) shows the formula and its source");
        }
        if (!options.column.empty() || options.replace) {
            throw UsageError("--column and --replace do not go with calc: name the columns of the inputs "
                             "as NAME=COLUMN[UNIT]");
        }
        if (list && (!options.csv.empty() || !options.answerUnit.empty() || options.verbose)) {
            throw UsageError("calc --list takes no --csv, --to or -v");
        }
    } else if (!options.answerUnit.empty() || options.verbose) {
        throw UsageError("--to and -v (--verbose) go with calc");
    }
    options.task = calc                   ? (list ? Options::Task::CalcList : Options::Task::Calc)
                   : list                 ? Options::Task::List
                   : factor               ? Options::Task::Factor
                   : !options.csv.empty() ? Options::Task::Csv
                                          : Options::Task::Values;
    if (options.task == Options::Task::List && (tables || options.explain)) {
        throw UsageError("--tables and --explain go with conversions and --factor, not --list");
    }
    options.factors = tables ? conversion::Factors::Tables : conversion::Factors::Exact;
    if (places >= 0 && general) {
        throw UsageError("-p (--places) and -g (--general) do not go together");
    }
    if (places >= 0) {
        options.style = conversion::ResultStyle::Places;
        options.places = places;
    } else if (general) {
        options.style = conversion::ResultStyle::General;
    }
    options.mark = decimalComma ? conversion::DecimalMark::Comma : conversion::DecimalMark::Period;
    if (options.tsv && options.task != Options::Task::List && options.task != Options::Task::CalcList) {
        throw UsageError("--tsv goes with --list");
    }
    const bool csv =
        options.task == Options::Task::Csv || (options.task == Options::Task::Calc && !options.csv.empty());
    if (!csv && (!options.column.empty() || options.noHeader || !delimiter.empty() || options.replace)) {
        throw UsageError("--column, --no-header, --delimiter and --replace go with --csv");
    }
    if (options.task == Options::Task::Csv) {
        if (options.column.empty()) {
            throw UsageError("--csv needs --column: a 1-based position or a header name");
        }
        if (delimited::IsColumnPosition(options.column) &&
            options.column.find_first_not_of('0') == std::string::npos) {
            throw UsageError("--column positions start at 1");
        }
        if (options.noHeader && !delimited::IsColumnPosition(options.column)) {
            throw UsageError("with --no-header, --column is a position (1 for the first column)");
        }
    }
    if (csv && !delimiter.empty()) {
        options.delimiter = DelimiterOf(delimiter);
    }
    AssignPositionals(options, scanned.positionals);
    return options;
}

} // namespace quorlex::cli
