// The page's fuel models: the standard models in either system, and custom fuel model files read, checked
// and converted by the command line's own code.
#include "web/FuelModelApi.h"

#include "conversion/UnitChoice.h"
#include "fuelmodels/FmdChecks.h"
#include "fuelmodels/FmdConversion.h"
#include "web/Answering.h"
#include "web/JsonText.h"

#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace quorlex;
using namespace quorlex::web;
using namespace quorlex::fuelmodels;

// The catalogue category of a quantity's values; -1 for the moisture of extinction, a plain percent.
int CategoryOf(Quantity quantity) {
    std::string_view name;
    switch (quantity) {
    case Quantity::Load:
        name = "FuelLoad";
        break;
    case Quantity::Sav:
        name = "SurfaceToVolume";
        break;
    case Quantity::Depth:
        name = "Length";
        break;
    case Quantity::Heat:
        name = "HeatContent";
        break;
    case Quantity::Percent:
        return -1;
    }
    conversion::Refusal refusal;
    return conversion::ChooseCategory(name, refusal);
}

void AppendField(std::string &json, std::string_view label, Quantity quantity, UnitSystem system) {
    const std::string_view unit = UnitOf(quantity, system);
    const int category = CategoryOf(quantity);
    // The unit by any name the program takes ("t/ha" is Mg/ha's), in the quantity's category.
    int index = -1;
    conversion::Refusal refusal;
    for (const UnitRef &named : conversion::UnitsNamed(unit, refusal)) {
        index = named.category == category ? named.unit : index;
    }
    json += json.back() == '[' ? "{" : ",{";
    AppendJsonKey(json, "label", true);
    AppendJsonString(json, label);
    AppendJsonKey(json, "unit");
    AppendJsonString(json, unit);
    AppendJsonKey(json, "category");
    json += std::to_string(index < 0 ? -1 : category);
    AppendJsonKey(json, "unitIndex");
    json += std::to_string(index);
    json += '}';
}

// A standard model's fields: the file's twelve with the 10-h and 100-h ratios after the 1-h ratio.
void AppendFields(std::string &json, UnitSystem system, bool withFixedSav) {
    AppendJsonKey(json, "fields");
    json += '[';
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (withFixedSav && field == Field::SavHerb) {
            AppendField(json, "10-h SAV", Quantity::Sav, system);
            AppendField(json, "100-h SAV", Quantity::Sav, system);
        }
        AppendField(json, FieldLabel(field), QuantityOf(field), system);
    }
    json += ']';
}

UnitSystem SystemOf(int metric) {
    return metric != 0 ? UnitSystem::Metric : UnitSystem::English;
}

void AppendTextOrNull(std::string &json, std::string_view key, const FmdLine &line, std::size_t index) {
    AppendJsonKey(json, key);
    if (index < line.tokens.size()) {
        AppendJsonString(json, line.Text(line.tokens[index]));
    } else {
        json += "null";
    }
}

void AppendModelLine(std::string &json, const FmdLine &line) {
    json += json.back() == '[' ? "{" : ",{";
    AppendJsonKey(json, "line", true);
    json += std::to_string(line.number);
    AppendTextOrNull(json, "number", line, 0);
    const bool flamMap = line.form == LineForm::FlamMap;
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    AppendTextOrNull(json, "code", line, flamMap ? 1 : kNone);
    AppendTextOrNull(json, "type", line, flamMap ? 7 : kNone);
    AppendJsonKey(json, "name");
    if (flamMap && line.name.end > line.name.begin) {
        AppendJsonString(json, line.Text(line.name));
    } else {
        json += "null";
    }
    AppendJsonKey(json, "values");
    json += '[';
    for (int i = 0; i < kFieldCount; ++i) {
        if (i > 0) {
            json += ',';
        }
        const std::size_t index = TokenIndex(line.form, static_cast<Field>(i));
        if (index < line.tokens.size()) {
            AppendJsonString(json, line.Text(line.tokens[index]));
        } else {
            json += "null";
        }
    }
    json += "]}";
}

// The file read, or the refusal of bytes that are no custom fuel model file in json.
std::optional<FmdFile> ReadFile(std::string &json, const char *bytes, int length) {
    FmdFault fault;
    auto file = ReadFmd(TextOf(bytes, length), fault);
    if (!file) {
        json += "{\"ok\":false";
        AppendJsonKey(json, "kind");
        AppendJsonString(json, "file");
        AppendJsonKey(json, "line");
        json += std::to_string(fault.line);
        AppendJsonKey(json, "reason");
        AppendJsonString(json, fault.message);
        json += '}';
    }
    return file;
}

std::string &Output() {
    static std::string output;
    return output;
}

} // namespace

extern "C" {

const char *qx_fuel_models(int metric) {
    return Answering([metric](std::string &json) {
        const UnitSystem system = SystemOf(metric);
        json += '{';
        AppendJsonKey(json, "system", true);
        AppendJsonString(json, SystemWord(system));
        AppendJsonKey(json, "sources");
        AppendJsonString(json, kStandardSources);
        AppendJsonKey(json, "mostBytes");
        json += std::to_string(kMostFileBytes);
        AppendFields(json, system, true);
        AppendJsonKey(json, "models");
        json += '[';
        for (const StandardModel &model : StandardModels()) {
            json += json.back() == '[' ? "{" : ",{";
            AppendJsonKey(json, "number", true);
            json += std::to_string(model.number);
            AppendJsonKey(json, "code");
            AppendJsonString(json, model.code);
            AppendJsonKey(json, "name");
            AppendJsonString(json, model.name);
            AppendJsonKey(json, "dynamic");
            json += model.dynamic ? "true" : "false";
            AppendJsonKey(json, "source");
            AppendJsonString(json, model.source);
            AppendJsonKey(json, "values");
            json += '[';
            for (int i = 0; i < kFieldCount; ++i) {
                const auto field = static_cast<Field>(i);
                if (field == Field::SavHerb) {
                    AppendJsonString(json, FixedSav(kSav10h, system));
                    json += ',';
                    AppendJsonString(json, FixedSav(kSav100h, system));
                    json += ',';
                }
                AppendJsonString(json, StandardValue(model, field, system));
                json += i + 1 < kFieldCount ? "," : "";
            }
            json += "]}";
        }
        json += "]}";
    });
}

const char *qx_fmd_read(const char *bytes, int length) {
    return Answering([=](std::string &json) {
        const auto file = ReadFile(json, bytes, length);
        if (!file) {
            return;
        }
        const std::vector<Finding> findings = CheckFmd(*file);
        json += "{\"ok\":true";
        AppendJsonKey(json, "system");
        AppendJsonString(json, SystemWord(file->system));
        AppendFields(json, file->system, false);
        AppendJsonKey(json, "models");
        json += '[';
        for (const FmdLine &line : file->lines) {
            if (line.kind == LineKind::Model) {
                AppendModelLine(json, line);
            }
        }
        json += ']';
        AppendJsonKey(json, "findings");
        json += '[';
        for (const Finding &finding : findings) {
            const bool error = finding.severity == Severity::Error;
            json += json.back() == '[' ? "{" : ",{";
            AppendJsonKey(json, "line", true);
            json += std::to_string(finding.line);
            AppendJsonKey(json, "error");
            json += error ? "true" : "false";
            AppendJsonKey(json, "message");
            AppendJsonString(json, finding.message);
            json += '}';
        }
        json += ']';
        AppendJsonKey(json, "summary");
        AppendJsonString(json, CheckSummary(*file, findings));
        json += '}';
    });
}

const char *qx_fmd_convert(const char *bytes, int length, int metric, int keepGoing) {
    return Answering([=](std::string &json) {
        Output().clear();
        const auto file = ReadFile(json, bytes, length);
        if (!file) {
            return;
        }
        const UnitSystem to = SystemOf(metric);
        if (keepGoing == 0 && to != file->system) {
            if (const std::string lines = ErrorLines(CheckFmd(*file)); !lines.empty()) {
                AppendRefusal(json, "errors", "errors on " + lines);
                return;
            }
        }
        // A file already in the system asked for is given back byte for byte.
        Output() = to == file->system ? std::string(TextOf(bytes, length)) : ConvertFmd(*file, to);
        json += "{\"ok\":true";
        AppendJsonKey(json, "size");
        json += std::to_string(Output().size());
        AppendJsonKey(json, "unchanged");
        json += to == file->system ? "true" : "false";
        json += '}';
    });
}

const char *qx_fmd_output() {
    return Output().data();
}

} // extern "C"
