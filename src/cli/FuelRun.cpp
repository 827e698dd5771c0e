#include "cli/FuelRun.h"

#include "cli/CommandLine.h"
#include "cli/Messages.h"
#include "cli/OutputTarget.h"
#include "cli/System.h"
#include "fuelmodels/FmdChecks.h"
#include "fuelmodels/FmdConversion.h"

#include <memory>

namespace quorlex::cli {

namespace {

using namespace fuelmodels;

// The whole file, or its first kMostFileBytes and one more byte, which the reader refuses with the line
// it reached: a custom fuel model file is small, and a larger input is no such file.
std::string ReadWhole(const std::string &path, const std::string &name) {
    const bool standardInput = path == "-";
    const int fd = standardInput ? sys::kStandardInput : sys::OpenForReading(path);
    std::string text;
    try {
        constexpr std::size_t kBlock = std::size_t{1} << 16;
        auto buffer = std::make_unique<char[]>(kBlock);
        while (text.size() <= kMostFileBytes) {
            const std::size_t count = sys::ReadSome(fd, buffer.get(), kBlock, name);
            if (count == 0) {
                break;
            }
            text.append(buffer.get(), count);
        }
    } catch (...) {
        if (!standardInput) {
            sys::Close(fd);
        }
        throw;
    }
    if (!standardInput) {
        sys::Close(fd);
    }
    return text;
}

std::string LineText(const Finding &finding) {
    std::string text = "line ";
    text += std::to_string(finding.line);
    text += finding.severity == Severity::Error ? ": " : ": warning: ";
    text += finding.message;
    return text;
}

ExitCode CheckFile(const std::string &name, const FmdFile &file, const std::vector<Finding> &findings) {
    OutputTarget target("");
    OutputSink &out = target.Sink();
    for (const Finding &finding : findings) {
        out.Append(name);
        out.Append(", ");
        out.Append(LineText(finding));
        out.Append('\n');
    }
    out.Append(name + ": " + CheckSummary(file, findings) + "\n");
    target.Commit();
    return HasErrors(findings) ? ExitCode::Data : ExitCode::Converted;
}

void PrintTable(OutputSink &out, const StandardModel &model, UnitSystem system) {
    std::string head = std::string(model.code) + " (" + std::to_string(model.number) + "): ";
    head += model.name;
    head += "\n";
    head += model.source;
    head += model.dynamic ? "; dynamic\n" : "; static\n";
    out.Append(head);
    const auto row = [&out](std::string_view label, const std::string &value, std::string_view unit) {
        std::string text = "  ";
        text += label;
        text.append(22 - label.size(), ' ');
        text.append(value.size() < 10 ? 10 - value.size() : 0, ' ');
        text += value;
        text += "  ";
        text += unit;
        text += '\n';
        out.Append(text);
    };
    const std::string_view sav = UnitOf(Quantity::Sav, system);
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (field == Field::SavHerb) {
            row("10-h SAV", FixedSav(kSav10h, system), sav);
            row("100-h SAV", FixedSav(kSav100h, system), sav);
        }
        row(FieldLabel(field), StandardValue(model, field, system), UnitOf(QuantityOf(field), system));
    }
}

} // namespace

ExitCode RunFmd(const Options &options) {
    if (options.fuel.size() != 1) {
        throw UsageError("fmd takes one file (- for standard input), not " +
                         std::to_string(options.fuel.size()) + " arguments");
    }
    const std::string &path = options.fuel[0].text;
    const std::string name = path == "-" ? std::string("standard input") : Quoted(path);
    RefuseWritingOverInput(path, options.output);
    const std::string text = ReadWhole(path, name);
    FmdFault fault;
    const auto file = ReadFmd(text, fault);
    if (!file) {
        // An empty file has no line to name.
        throw DataError(name + (fault.line == 0 ? std::string() : ", line " + std::to_string(fault.line)) +
                        ": " + fault.message);
    }
    const std::vector<Finding> findings = CheckFmd(*file);
    if (options.check) {
        return CheckFile(name, *file, findings);
    }

    const UnitSystem to = options.answerUnit == "metric" ? UnitSystem::Metric : UnitSystem::English;
    if (file->system == to) {
        OutputTarget target(options.output);
        target.Sink().Append(text);
        target.Commit();
        PrintMessage(name + " is already in " + std::string(SystemWord(to)) + " units: written unchanged");
        return ExitCode::Converted;
    }
    for (const Finding &finding : findings) {
        PrintMessage(name + ", " + LineText(finding));
    }
    const std::string lines = ErrorLines(findings);
    if (!lines.empty() && !options.keepGoing) {
        throw DataError(name + " not converted: errors on " + lines +
                        " (fmd --check lists them all; --keep-going converts all the same)");
    }
    OutputTarget target(options.output);
    target.Sink().Append(ConvertFmd(*file, to));
    target.Commit();
    return lines.empty() ? ExitCode::Converted : ExitCode::Data;
}

ExitCode RunFuelModel(const Options &options) {
    OutputTarget target(options.output);
    OutputSink &out = target.Sink();
    if (options.task == Options::Task::FuelModelList) {
        if (!options.fuel.empty()) {
            throw UsageError("fuel-model --list takes no models");
        }
        for (const StandardModel &model : StandardModels()) {
            std::string text = std::to_string(model.number);
            text.append(5 - text.size(), ' ');
            text += model.code;
            text.append(6 - model.code.size(), ' ');
            text += model.dynamic ? "dynamic  " : "static   ";
            text += model.name;
            text += '\n';
            out.Append(text);
        }
        out.Append(std::string(kStandardSources) + "\n");
        target.Commit();
        return ExitCode::Converted;
    }
    if (options.fuel.empty()) {
        throw UsageError("fuel-model needs a model's code or number (see fuel-model --list)");
    }
    std::vector<const StandardModel *> models;
    for (const Positional &word : options.fuel) {
        const StandardModel *model = FindStandardModel(word.text);
        if (model == nullptr) {
            throw UsageError(Quoted(word.text) + " is no standard fuel model (see fuel-model --list)");
        }
        models.push_back(model);
    }
    const UnitSystem system = options.metric ? UnitSystem::Metric : UnitSystem::English;
    if (options.fmd) {
        std::optional<int> first;
        if (options.renumber >= 0) {
            first = options.renumber;
            for (std::size_t i = 0; i < models.size(); ++i) {
                const long number = options.renumber + static_cast<long>(i);
                if (number > 256 || IsStandardNumber(number)) {
                    throw UsageError("--renumber " + std::to_string(options.renumber) + " would give " +
                                     std::string(models[i]->code) + " the number " + std::to_string(number) +
                                     (number > 256 ? ", past 256" : ", which a standard model holds"));
                }
            }
        }
        out.Append(StandardModelsFmd(models, system, first));
    } else {
        for (std::size_t i = 0; i < models.size(); ++i) {
            if (i > 0) {
                out.Append('\n');
            }
            PrintTable(out, *models[i], system);
        }
    }
    target.Commit();
    return ExitCode::Converted;
}

} // namespace quorlex::cli
