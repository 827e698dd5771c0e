#include "cli/Program.h"

#include "cli/CalcRun.h"
#include "cli/CommandLine.h"
#include "cli/CsvRun.h"
#include "cli/Failure.h"
#include "cli/FuelRun.h"
#include "cli/InputBuffer.h"
#include "cli/Listing.h"
#include "cli/Messages.h"
#include "cli/OptionHints.h"
#include "cli/OutputTarget.h"
#include "cli/Progress.h"
#include "cli/Refusals.h"
#include "cli/System.h"
#include "cli/ValueRuns.h"
#include "conversion/Explanation.h"
#include "delimited/ColumnConversion.h"

#include <clocale>
#include <new>

namespace quorlex::cli {

namespace {

// The input of a run: a file opened by its path, or standard input.
class Input {
public:
    explicit Input(const std::string &path)
        : fd_(path.empty() || path == "-" ? sys::kStandardInput : sys::OpenForReading(path)),
          name_(fd_ == sys::kStandardInput ? std::string("standard input") : Quoted(path)) {}
    Input(const Input &) = delete;
    Input &operator=(const Input &) = delete;
    ~Input() {
        if (fd_ != sys::kStandardInput) {
            sys::Close(fd_);
        }
    }
    int Descriptor() const { return fd_; }
    const std::string &Name() const { return name_; }

private:
    int fd_;
    std::string name_;
};

// The working of a conversion (--explain), a line each.
std::string ExplanationText(const conversion::UnitChoice &units, std::string_view value,
                            const Options &options) {
    std::string text;
    for (const std::string &line : conversion::ExplainConversion(units.category, units.from, units.to, value,
                                                                 options.factors, options.mark)) {
        text += line;
        text += '\n';
    }
    return text;
}

// The working for one unit of FROM on standard error, where standard output holds results alone.
void ExplainOnStandardError(const conversion::UnitChoice &units, const Options &options) {
    OutputSink details(sys::kStandardError, "standard error");
    details.Append(ExplanationText(units, "1", options));
    details.Flush();
}

// Refuses --tables for a unit the window's lists do not have, before any value is read.
void RefuseOutsideTables(const conversion::UnitChoice &units, const Options &options) {
    if (std::string problem = conversion::TablesProblem(units, options.factors); !problem.empty()) {
        problem += "; leave out --tables";
        throw UsageError(problem);
    }
}

ExitCode ListCatalogue(const Options &options) {
    OutputTarget target(options.output);
    const std::string &category = options.listCategory.empty() ? options.category : options.listCategory;
    if (category.empty()) {
        ListCategories(target.Sink(), options.tsv);
    } else {
        ListUnits(ChooseCategory(category), target.Sink(), options.tsv);
    }
    target.Commit();
    return ExitCode::Converted;
}

ExitCode PrintFactor(const Options &options) {
    const conversion::UnitChoice units = ChooseUnits(options.from.text, options.to.text, options.category);
    RefuseOutsideTables(units, options);
    conversion::ValueConverter converter(units, options.style, options.places, options.mark, options.factors);
    const std::string label = converter.FactorLabel();
    OutputTarget target(options.output);
    target.Sink().Append(label);
    target.Sink().Append('\n');
    if (options.explain) {
        if (options.output.empty()) {
            target.Sink().Append(ExplanationText(units, "1", options));
        } else {
            ExplainOnStandardError(units, options);
        }
    }
    target.Commit();
    return ExitCode::Converted;
}

ExitCode Convert(const Options &options) {
    const conversion::UnitChoice units = ChooseUnits(options.from.text, options.to.text, options.category);
    RefuseOutsideTables(units, options);
    const bool csv = options.task == Options::Task::Csv;
    const bool readsInput = csv || options.values.empty();
    if (readsInput) {
        RefuseWritingOverInput(options.csv, options.output);
    }
    const Input input(readsInput ? options.csv : std::string("-"));
    OutputTarget target(options.output);
    OutputSink &out = target.Sink();
    conversion::ValueConverter converter(units, options.style, options.places, options.mark, options.factors);
    Refusals refusals(options.keepGoing, out);
    // The working follows the result of a single value on standard output; for a list of results, or
    // results going to a file, it is written once, for one unit of FROM, on standard error first.
    const bool explainAfter =
        options.explain && !readsInput && options.values.size() == 1 && options.output.empty();
    if (options.explain && !explainAfter) {
        ExplainOnStandardError(units, options);
    }

    if (!readsInput) {
        ConvertArguments(options.values, converter, out, refusals);
        if (explainAfter) {
            out.Append(ExplanationText(units, options.values[0].text, options));
        }
    } else {
        Progress progress(sys::RegularFileSize(input.Descriptor()), sys::IsTerminal(sys::kStandardError));
        refusals.SetProgress(&progress);
        InputBuffer buffer(input.Descriptor(), input.Name());
        buffer.SetWaitingHook([&out]() { out.Flush(); });
        if (csv) {
            delimited::ColumnLayout layout{options.column, !options.noHeader, options.delimiter,
                                           options.replace,
                                           std::string(conversion::SymbolOf(units.category, units.to))};
            delimited::ColumnConversion run(std::move(layout), converter, refusals, &DescribeRefusal);
            RunTable(buffer, run, out, refusals, progress);
        } else {
            ConvertLines(buffer, converter, out, refusals, progress);
        }
        progress.Clear();
        refusals.SetProgress(nullptr);
    }
    target.Commit();
    return refusals.Any() ? ExitCode::Data : ExitCode::Converted;
}

ExitCode Run(const Options &options) {
    switch (options.task) {
    case Options::Task::List:
        return ListCatalogue(options);
    case Options::Task::Factor:
        return PrintFactor(options);
    case Options::Task::CalcList:
        return ListCalculations(options);
    case Options::Task::Calc:
        return RunCalculation(options);
    case Options::Task::Fmd:
        return RunFmd(options);
    case Options::Task::FuelModel:
    case Options::Task::FuelModelList:
        return RunFuelModel(options);
    case Options::Task::Values:
    case Options::Task::Csv:
        break;
    }
    return Convert(options);
}

} // namespace

int RunProgram(const std::vector<std::string> &arguments) {
    // A real program takes the user's locale; nothing the program reads or writes depends on it.
    std::setlocale(LC_ALL, "");
    sys::PrepareProcess();
    try {
        std::string help;
        const auto options = ParseCommandLine(arguments, help);
        if (!options) {
            OutputSink out(sys::kStandardOutput, "standard output");
            out.Append(help);
            out.Flush();
            return static_cast<int>(ExitCode::Converted);
        }
        return static_cast<int>(Run(*options));
    } catch (const OutputClosed &) {
        // The reader has all it wanted (`| head`): no message, and success, as for a finished run.
        return static_cast<int>(ExitCode::Converted);
    } catch (const Failure &failure) {
        PrintMessage(failure.what());
        return static_cast<int>(failure.Code());
    } catch (const std::bad_alloc &) {
        PrintMessage("out of memory");
        return static_cast<int>(ExitCode::InputOutput);
    } catch (const std::exception &error) {
        PrintMessage(std::string("internal error: ") + error.what());
        return static_cast<int>(ExitCode::InputOutput);
    }
}

} // namespace quorlex::cli
