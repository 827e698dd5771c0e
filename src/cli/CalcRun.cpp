#include "cli/CalcRun.h"

#include "cli/CommandLine.h"
#include "cli/CsvRun.h"
#include "cli/InputBuffer.h"
#include "cli/Messages.h"
#include "cli/OutputTarget.h"
#include "cli/Progress.h"
#include "cli/Refusals.h"
#include "cli/System.h"
#include "delimited/CalculationColumns.h"
#include "numbers/GeneralText.h"
#include "relations/Calculation.h"
#include "relations/QuantityUnits.h"

#include <algorithm>
#include <array>
#include <limits>

namespace quorlex::cli {

namespace {

using relations::Calculator;
using relations::InputChoice;
using relations::Quantity;
using relations::Relation;

// The unit of a column of times written as hours and minutes: time=COLUMN[H:MM].
constexpr std::string_view kHoursAndMinutes = "H:MM";

// How the command line gives one input: a value (with its unit), or a column of the file.
struct GivenInput {
    bool given = false;
    bool column = false; // text names a column (header name, or position with --no-header)
    std::string text;
    bool hasUnit = false;
    std::string unit;
};

const Relation &RelationOf(const Options &options) {
    if (options.calc.empty()) {
        throw UsageError("calc needs the id of a calculation (see calc --list)");
    }
    const std::string &id = options.calc[0].text;
    if (const Relation *relation = relations::FindRelation(id)) {
        return *relation;
    }
    std::string ids;
    for (const Relation &relation : relations::Relations()) {
        ids += ids.empty() ? " " : ", ";
        ids += relation.id;
    }
    throw UsageError(Quoted(id) + " is no calculation; the calculations:" + ids);
}

// Whether a word is NAME=... with a name of letters, digits and hyphens.
bool IsNamedInput(const std::string &word) {
    const auto equals = word.find('=');
    return equals != std::string::npos && equals > 0 &&
           std::all_of(word.begin(), word.begin() + static_cast<std::ptrdiff_t>(equals), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
           });
}

// Splits "ros[ch/h]" into its column and unit; false for a text of another form.
bool SplitColumn(const std::string &text, GivenInput &input) {
    const auto open = text.rfind('[');
    if (text.empty() || text.back() != ']' || open == std::string::npos || open == 0) {
        return false;
    }
    input.column = true;
    input.text = text.substr(0, open);
    input.unit = text.substr(open + 1, text.size() - open - 2);
    input.hasUnit = !input.unit.empty();
    return true;
}

// The inputs as the words give them: "500 kW/m" for the first input, "NAME=VALUE [UNIT]" for any.
std::vector<GivenInput> ReadInputs(const Relation &relation, const std::vector<Positional> &words, bool csv) {
    std::vector<GivenInput> inputs(relation.inputs.size());
    for (std::size_t w = 1; w < words.size(); ++w) {
        const std::string &word = words[w].text;
        std::size_t index = 0;
        std::string text;
        if (IsNamedInput(word) && !relations::HoursAndMinutes(word)) {
            const auto equals = word.find('=');
            const int found = relation.InputIndex(word.substr(0, equals));
            if (found < 0) {
                std::string names;
                for (const Quantity &input : relation.inputs) {
                    names += names.empty() ? " " : ", ";
                    names += input.name;
                }
                throw UsageError(std::string(relation.id) + " has no input " +
                                 Quoted(word.substr(0, equals)) + "; its inputs:" + names);
            }
            index = static_cast<std::size_t>(found);
            text = word.substr(equals + 1);
        } else if (w == 1) {
            text = word; // the first input, without its name
        } else {
            throw UsageError("argument " + std::to_string(words[w].argument) + ": " + Quoted(word) +
                             " is no input of " + std::string(relation.id) +
                             "; give inputs as NAME=VALUE UNIT");
        }
        GivenInput &input = inputs[index];
        if (input.given) {
            throw UsageError(std::string(relation.inputs[index].name) + " is given twice");
        }
        input.given = true;
        if (csv && SplitColumn(text, input)) {
            continue;
        }
        input.text = text;
        const bool value = IsValueArgument(text) || relations::LooksLikeHoursAndMinutes(text);
        input.column = csv && !value;
        // The next word is the unit, unless it is the next input.
        if (!input.column && w + 1 < words.size() && !IsNamedInput(words[w + 1].text)) {
            input.hasUnit = true;
            input.unit = words[++w].text;
        }
    }
    return inputs;
}

// The units the inputs are given in; throws UsageError for a missing input or a unit that does not fit.
std::vector<InputChoice> ChooseInputUnits(const Relation &relation, const std::vector<GivenInput> &inputs,
                                          bool csv) {
    std::vector<InputChoice> choices(inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        choices[i].given = inputs[i].given;
    }
    const auto form = csv ? relations::InputForm::Column : relations::InputForm::Value;
    if (const std::string missing = relations::MissingInputs(relation, choices, form); !missing.empty()) {
        throw UsageError(missing);
    }
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const Quantity &quantity = relation.inputs[i];
        const GivenInput &input = inputs[i];
        const bool time = quantity.category == relations::kTimeCategory;
        if (!input.given) {
            continue;
        }
        if (input.hasUnit && time && input.column && input.unit == kHoursAndMinutes) {
            continue; // a column of times written H:MM
        }
        if (input.hasUnit) {
            std::string problem;
            choices[i].unit = relations::FindUnit(quantity, input.unit, problem);
            if (choices[i].unit < 0) {
                throw UsageError(problem);
            }
            continue;
        }
        if (quantity.IsNumber() ||
            (time && !input.column && relations::LooksLikeHoursAndMinutes(input.text))) {
            continue;
        }
        // Every unit is settled before the first row is read, so that no output is written for a run that
        // cannot succeed.
        std::string message(quantity.name);
        message += ": give the unit of ";
        message += input.column ? "the column" : "the value";
        if (time) {
            message += " (h, min or s): ";
            message += quantity.name;
            message += '=';
            message += input.text;
            message += input.column ? "[min], or " : " min, or hours and minutes without a unit: ";
            message += quantity.name;
            message += input.column ? "=" : "=1:30";
            if (input.column) {
                message += input.text;
                message += "[H:MM] for hours and minutes";
            }
        } else {
            message += " (";
            message += relations::CategoryCaption(quantity);
            message += "): ";
            message += quantity.name;
            message += '=';
            message += input.text;
            message += input.column ? "[UNIT]" : " UNIT";
            message += " (see --list ";
            message += quantity.category;
            message += ')';
        }
        throw UsageError(message);
    }
    return choices;
}

int ChooseOutputUnit(const Relation &relation, const std::string &to) {
    const Quantity &output = relation.output;
    if (to.empty()) {
        return relations::FormulaUnit(output);
    }
    std::string problem;
    const int unit = relations::FindUnit(output, to, problem);
    if (unit < 0) {
        throw UsageError("--to " + problem);
    }
    return unit;
}

// What the answer rests on, after the answer itself, on standard error: with -v the formula, its source,
// its range, a note and the class; always the warnings.
void PrintDetails(const Relation &relation, const relations::Answer &answer, bool verbose, OutputSink &out) {
    std::string text;
    if (verbose) {
        text += "formula: ";
        text += relation.FormulaText();
        text += " (";
        text += relation.UnitsText();
        text += ")\nsource: ";
        text += relation.source.empty() ? std::string("none, the formula is a definition")
                                        : std::string(relation.source);
        text += "\nrange: ";
        text += relation.RangeText();
        text += '\n';
        if (!relation.note.empty()) {
            text += "note: ";
            text += relation.note;
            text += '\n';
        }
        if (!answer.chartLine.empty()) {
            text += answer.chartLine;
            text += '\n';
        }
    }
    for (const std::string &warning : answer.warnings) {
        text += "warning: ";
        text += warning;
        text += '\n';
    }
    if (text.empty()) {
        return;
    }
    out.Flush();
    OutputSink details(sys::kStandardError, "standard error");
    details.Append(text);
    details.Flush();
}

void CalculateCsv(const Options &options, const Relation &relation, const std::vector<GivenInput> &inputs,
                  const Calculator &calculator, OutputTarget &target, Refusals &refusals) {
    const bool standardInput = options.csv == "-";
    const int fd = standardInput ? sys::kStandardInput : sys::OpenForReading(options.csv);
    struct Closer {
        int fd;
        ~Closer() {
            if (fd != sys::kStandardInput) {
                sys::Close(fd);
            }
        }
    } closer{fd};
    OutputSink &out = target.Sink();
    Progress progress(sys::RegularFileSize(fd), sys::IsTerminal(sys::kStandardError));
    refusals.SetProgress(&progress);
    InputBuffer buffer(fd, standardInput ? std::string("standard input") : Quoted(options.csv));
    buffer.SetWaitingHook([&out]() { out.Flush(); });

    const Quantity &output = relation.output;
    const int outputUnit = ChooseOutputUnit(relation, options.answerUnit);
    std::string header(output.name);
    if (outputUnit >= 0) {
        header += " [";
        header += relations::UnitSymbol(output, outputUnit);
        header += ']';
    }
    std::vector<delimited::CalculationInput> columns;
    columns.reserve(inputs.size());
    for (const GivenInput &input : inputs) {
        columns.push_back({input.given && input.column, input.given ? input.text : std::string()});
    }
    // -v: the class and the warnings of each row follow its answer.
    delimited::CalculationColumns run(calculator, std::move(columns), std::move(header), !options.noHeader,
                                      options.delimiter, options.verbose, refusals);
    RunTable(buffer, run, out, refusals, progress);
    progress.Clear();
    refusals.SetProgress(nullptr);
}

} // namespace

ExitCode ListCalculations(const Options &options) {
    OutputTarget target(options.output);
    OutputSink &out = target.Sink();
    for (const Relation &relation : relations::Relations()) {
        const auto quantityText = [](const Quantity &quantity) {
            std::string text = std::string(quantity.name) + " (" + std::string(quantity.title) + ", " +
                               relations::CategoryCaption(quantity);
            if (!quantity.unit.empty()) {
                text += " in " + std::string(quantity.unit);
            }
            if (quantity.allowed.Bounded()) {
                text += ", " + quantity.allowed.Text(quantity.sign);
            }
            if (quantity.IsOptional()) {
                text += ", optional";
            } else if (quantity.fallback) {
                text += ", default " + GeneralText(*quantity.fallback);
            }
            return text + ")";
        };
        std::string inputs;
        for (const Quantity &input : relation.inputs) {
            inputs += (inputs.empty() ? "" : options.tsv ? "; " : "\n           ") + quantityText(input);
        }
        const std::string source =
            relation.source.empty() ? std::string("(definition)") : std::string(relation.source);
        // One field after another: id, title, inputs, output, formula, its units, source.
        const std::array<std::string_view, 7> separators =
            options.tsv
                ? std::array<std::string_view, 7>{"", "\t", "\t", "\t", "\t", "\t", "\t"}
                : std::array<std::string_view, 7>{
                      "", ": ", "\n  inputs:  ", "\n  output:  ", "\n  formula: ", " (", ")\n  source:  "};
        const std::string output = quantityText(relation.output);
        const std::string formula = relation.FormulaText();
        const std::string units = relation.UnitsText();
        const std::array<std::string_view, 7> fields{relation.id, relation.title, inputs, output,
                                                     formula,     units,          source};
        std::string text;
        for (std::size_t field = 0; field < fields.size(); ++field) {
            text += separators[field];
            text += fields[field];
        }
        // Then the range the answers are checked against, and the note: tab-separated fields, or lines.
        text += options.tsv ? "\t" : "\n  kind:    ";
        text += relation.fit ? "empirical fit, answers to 3 significant digits" : "exact relation";
        text += options.tsv ? "\t" : "\n  range:   ";
        text += relation.RangeText();
        if (options.tsv || !relation.note.empty()) {
            text += options.tsv ? "\t" : "\n  note:    ";
            text += relation.note;
        }
        text += '\n';
        out.Append(text);
    }
    target.Commit();
    return ExitCode::Converted;
}

ExitCode RunCalculation(const Options &options) {
    const Relation &relation = RelationOf(options);
    const bool csv = !options.csv.empty();
    const std::vector<GivenInput> inputs = ReadInputs(relation, options.calc, csv);
    const Calculator calculator(relation, ChooseInputUnits(relation, inputs, csv),
                                ChooseOutputUnit(relation, options.answerUnit), options.style, options.places,
                                options.mark);
    if (csv) {
        if (options.output.empty() ? false
            : options.csv == "-"   ? sys::DescriptorIsFile(sys::kStandardInput, options.output)
                                   : sys::SameFile(options.csv, options.output)) {
            throw UsageError("-o " + Quoted(options.output) +
                             " is the input file itself; write to another file");
        }
        OutputTarget target(options.output);
        Refusals refusals(options.keepGoing, target.Sink());
        CalculateCsv(options, relation, inputs, calculator, target, refusals);
        target.Commit();
        return refusals.Any() ? ExitCode::Data : ExitCode::Converted;
    }
    for (const GivenInput &input : inputs) {
        if (input.given && input.text.empty()) {
            throw DataError(
                std::string(relation.inputs[static_cast<std::size_t>(&input - inputs.data())].name) +
                ": an empty value is no number");
        }
    }
    std::vector<std::string_view> texts;
    texts.reserve(inputs.size());
    for (const GivenInput &input : inputs) {
        texts.emplace_back(input.text);
    }
    const relations::Answer answer = calculator.Compute(texts);
    if (!answer) {
        throw DataError(answer.message);
    }
    OutputTarget target(options.output);
    target.Sink().Append(answer.text + "\n");
    PrintDetails(relation, answer, options.verbose, target.Sink());
    target.Commit();
    return ExitCode::Converted;
}

} // namespace quorlex::cli
