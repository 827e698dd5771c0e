#include "fuelmodels/FmdChecks.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace quorlex::fuelmodels {

namespace {

constexpr std::string_view kFlamMapNames[] = {"FMNum",    "FMCode", "1H",      "10H",   "100H",
                                              "LiveH",    "LiveW",  "FMType",  "1HSAV", "LiveHSAV",
                                              "LiveWSAV", "Depth",  "XtMoist", "DHt",   "LHt"};
constexpr std::string_view kFarsiteNames[] = {"FMod",    "1H",    "10H",      "100H",     "LiveH",
                                              "LiveW",   "1HSAV", "LiveHSAV", "LiveWSAV", "Depth",
                                              "XtMoist", "DHt",   "LHt"};

std::string_view FieldName(LineForm form, std::size_t index) {
    return form == LineForm::FlamMap ? kFlamMapNames[index] : kFarsiteNames[index];
}

// The span of a quantity over the standard models, as the published texts in English units: the 1-h
// ratios and the live ones of classes that hold a load; the heat contents.
struct Span {
    std::string_view low;
    std::string_view high;
};

Span StandardSpan(Quantity quantity) {
    Span span;
    double low = 0;
    double high = 0;
    for (const StandardModel &model : StandardModels()) {
        for (int i = 0; i < kFieldCount; ++i) {
            const auto field = static_cast<Field>(i);
            if (QuantityOf(field) != quantity) {
                continue;
            }
            if (field == Field::SavHerb && *ValueOf(model.values[static_cast<int>(Field::LoadHerb)]) == 0) {
                continue;
            }
            if (field == Field::SavWoody && *ValueOf(model.values[static_cast<int>(Field::LoadWoody)]) == 0) {
                continue;
            }
            const std::string_view text = model.values[static_cast<std::size_t>(i)];
            const double value = *ValueOf(text);
            if (span.low.empty() || value < low) {
                span.low = text;
                low = value;
            }
            if (span.high.empty() || value > high) {
                span.high = text;
                high = value;
            }
        }
    }
    return span;
}

// The span of the ratios or the heat contents in a system's units, as texts and values: worked out once,
// since every model line is checked against it.
struct UnitSpan {
    std::string lowText;
    std::string highText;
    double low = 0;
    double high = 0;
};

const UnitSpan &SpanIn(Quantity quantity, UnitSystem system) {
    const auto make = [](Quantity of, UnitSystem in) {
        const Span span = StandardSpan(of);
        UnitSpan made;
        made.lowText = *ConvertField(of, span.low, UnitSystem::English, in);
        made.highText = *ConvertField(of, span.high, UnitSystem::English, in);
        made.low = *ValueOf(made.lowText);
        made.high = *ValueOf(made.highText);
        return made;
    };
    static const UnitSpan spans[2][2] = {
        {make(Quantity::Sav, UnitSystem::English), make(Quantity::Heat, UnitSystem::English)},
        {make(Quantity::Sav, UnitSystem::Metric), make(Quantity::Heat, UnitSystem::Metric)}};
    return spans[system == UnitSystem::Metric ? 1 : 0][quantity == Quantity::Heat ? 1 : 0];
}

// A field's text in a message: long texts cut short, so that a line of a megabyte makes a short message.
std::string Shown(std::string_view text) {
    constexpr std::size_t kLongest = 24;
    std::string shown = "\"";
    shown += text.substr(0, kLongest);
    shown += text.size() > kLongest ? "...\"" : "\"";
    return shown;
}

// Whether bytes are UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing past
// U+10FFFF.
bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if ((byte & 0xC0u) != 0x80u) {
                return false;
            }
            code = (code << 6) | (byte & 0x3Fu);
        }
        const std::uint32_t smallest = length == 3 ? 0x800 : 0x10000;
        if ((length > 2 && code < smallest) || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

class LineChecker {
public:
    LineChecker(const FmdLine &line, UnitSystem system, std::vector<Finding> &findings)
        : line_(line), system_(system), findings_(findings) {}

    void Error(std::string message) {
        findings_.push_back({line_.number, Severity::Error, std::move(message)});
    }
    void Warning(std::string message) {
        findings_.push_back({line_.number, Severity::Warning, std::move(message)});
    }

    // The field's value, or nullopt after reporting it as missing or not a number.
    std::optional<double> Number(Field field) {
        const std::size_t index = TokenIndex(line_.form, field);
        if (index >= line_.tokens.size()) {
            return std::nullopt; // reported once as a missing field
        }
        const std::string_view text = line_.Text(line_.tokens[index]);
        const auto value = ValueOf(text);
        if (!value) {
            Error(std::string(FieldName(line_.form, index)) + " \"" + std::string(text) +
                  "\" is not a number");
        }
        return value;
    }

    // "1HSAV 2000 1/cm": the field's name, its text and the unit of the file's system.
    std::string Named(Field field) const {
        const std::size_t index = TokenIndex(line_.form, field);
        std::string text(FieldName(line_.form, index));
        text += ' ';
        text += line_.Text(line_.tokens[index]);
        text += ' ';
        text += UnitOf(QuantityOf(field), system_);
        return text;
    }

private:
    const FmdLine &line_;
    UnitSystem system_;
    std::vector<Finding> &findings_;
};

void CheckNumber(const FmdLine &line, LineChecker &check, std::map<long, std::size_t> &numbers) {
    const std::string_view text = line.Text(line.tokens[0]);
    long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) {
        check.Error("model number " + Shown(text) + " is not a whole number");
        return;
    }
    if (number < 1 || number > 256) {
        check.Error("model number " + std::to_string(number) +
                    " is outside 1 to 256, the numbers a landscape holds");
        return;
    }
    if (IsStandardNumber(number)) {
        const StandardModel *model = FindStandardModel(std::to_string(number));
        check.Error("model number " + std::to_string(number) + " is taken by " +
                    (model != nullptr ? "the standard model " + std::string(model->code)
                                      : std::string("the non-burnable models (90 to 99)")) +
                    "; FARSITE and FlamMap read custom models from 14");
        return;
    }
    const auto [place, added] = numbers.emplace(number, line.number);
    if (!added) {
        check.Error("model number " + std::to_string(number) + " is already on line " +
                    std::to_string(place->second));
        return;
    }
    if (number > 89) {
        check.Warning("model number " + std::to_string(number) +
                      " is outside 14 to 89, where FlamMap's help advises custom models, clear of future "
                      "standard ones");
    }
}

void CheckValues(UnitSystem system, LineChecker &check) {
    std::optional<double> values[kFieldCount];
    for (int i = 0; i < kFieldCount; ++i) {
        values[i] = check.Number(static_cast<Field>(i));
    }
    const auto value = [&values](Field field) { return values[static_cast<int>(field)]; };
    const bool metric = system == UnitSystem::Metric;
    double loads = 0;
    double deadLoads = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (!values[i]) {
            continue;
        }
        const Quantity quantity = QuantityOf(field);
        if (*values[i] < 0) {
            check.Error(check.Named(field) + " is negative");
            values[i].reset();
            continue;
        }
        if (quantity == Quantity::Load) {
            loads += *values[i];
            deadLoads += i < 3 ? *values[i] : 0;
        }
    }

    // Ratios and heat contents far from every standard model's, in the file's own units: half the
    // smallest to twice the largest. The two systems lie 30.48 (1/ft to 1/cm) and 2.326 (BTU/lb to kJ/kg)
    // apart, so a field left in the other system's units falls outside.
    for (const Quantity quantity : {Quantity::Sav, Quantity::Heat}) {
        const UnitSpan &span = SpanIn(quantity, system);
        const std::string &lowText = span.lowText;
        const std::string &highText = span.highText;
        const double low = span.low;
        const double high = span.high;
        for (int i = 0; i < kFieldCount; ++i) {
            const auto field = static_cast<Field>(i);
            if (QuantityOf(field) != quantity || !values[i]) {
                continue;
            }
            const auto load = field == Field::SavHerb    ? value(Field::LoadHerb)
                              : field == Field::SavWoody ? value(Field::LoadWoody)
                                                         : std::optional<double>(1);
            const bool liveLoad =
                value(Field::LoadHerb).value_or(0) > 0 || value(Field::LoadWoody).value_or(0) > 0;
            if ((quantity == Quantity::Sav && (!load || *load == 0)) ||
                (field == Field::HeatLive && !liveLoad)) {
                continue; // a ratio or heat content of fuel the model does not have is never used
            }
            const double x = *values[i];
            if (x == 0) {
                continue; // no unit makes a zero look like another
            }
            if (x >= low / 2 && x <= high * 2) {
                continue;
            }
            std::string hint;
            if (quantity == Quantity::Sav) {
                hint = metric ? "a ratio in 1/ft in a METRIC file?"
                              : "a ratio in 1/cm or 1/m in an ENGLISH file?";
            } else if (metric) {
                hint = x < low ? "a heat content in BTU/lb in a METRIC file?"
                               : "a heat content in J/kg (the file's unit is kJ/kg)?";
            } else {
                hint = "a heat content in kJ/kg or J/kg in an ENGLISH file?";
            }
            std::string message = check.Named(field);
            message += " is far outside the standard models' ";
            message += lowText;
            message += " to ";
            message += highText;
            message += ' ';
            message += UnitOf(quantity, system);
            message += ": ";
            message += hint;
            check.Error(std::move(message));
        }
    }

    // What FARSITE's reader refuses.
    const auto depth = value(Field::Depth);
    if (depth && *depth == 0 && loads > 0) {
        check.Error("depth 0 with fuel loads: the fuel bed has no depth");
    } else if (depth && *depth == 0) {
        check.Error("depth 0: FARSITE reads a model only with a depth above 0");
    }
    if (const auto extinction = value(Field::Extinction); extinction && *extinction == 0) {
        check.Error("XtMoist 0: FARSITE reads a model only with a moisture of extinction above 0");
    }
    bool deadKnown = value(Field::Load1h) && value(Field::Load10h) && value(Field::Load100h);
    if (deadKnown && deadLoads == 0) {
        check.Error(
            "no dead fuel load (1H, 10H and 100H are 0): FARSITE reads a model only with a dead load");
    }
    const double largest = metric ? kLargestSav / EnglishToMetric(Quantity::Sav).Nearest() : kLargestSav;
    for (const Field field : {Field::Sav1h, Field::SavHerb, Field::SavWoody}) {
        if (const auto x = value(field); x && *x > largest) {
            check.Error(check.Named(field) + " is above " +
                        *ConvertField(Quantity::Sav, "4000", UnitSystem::English, system) + " " +
                        std::string(UnitOf(Quantity::Sav, system)) +
                        ", the largest FARSITE reads (4000 1/ft)");
        }
    }
}

void CheckModel(const FmdLine &line, UnitSystem system, std::map<long, std::size_t> &numbers,
                std::vector<Finding> &findings) {
    LineChecker check(line, system, findings);
    if (line.text.size() > kLongestLine) {
        check.Error("the line has " + std::to_string(line.text.size()) + " characters; FARSITE reads " +
                    std::to_string(kLongestLine) + " at most");
    }
    if (line.text.size() > kLongestLine * 4) {
        return; // no model at all: its fields would only repeat the fault
    }
    const bool flamMap = line.form == LineForm::FlamMap;
    const std::size_t wanted = flamMap ? kFlamMapFields : kFarsiteFields;
    if (line.tokens.size() < wanted) {
        check.Error("missing field " + std::string(FieldName(line.form, line.tokens.size())) + ": the " +
                    (flamMap ? "FlamMap form has 16 fields" : "FARSITE 4 form has 13 fields") +
                    ", this line has " + std::to_string(line.tokens.size()));
    } else if (flamMap && line.name.begin == line.name.end) {
        check.Error("missing field FMName: the FlamMap form ends with the model's name");
    } else if (!flamMap && line.name.begin != line.name.end) {
        check.Error("more than the 13 fields of the FARSITE 4 form (a name belongs to the FlamMap form, "
                    "with a code and a type)");
    }
    CheckNumber(line, check, numbers);
    if (flamMap && line.tokens.size() > 1) {
        const std::string_view code = line.Text(line.tokens[1]);
        if (code.size() > kLongestCode) {
            check.Error("code " + Shown(code) + " is longer than " + std::to_string(kLongestCode) +
                        " characters");
        } else if (code.size() > kCodeKept) {
            check.Warning("code \"" + std::string(code) + "\": FARSITE keeps its first " +
                          std::to_string(kCodeKept) + " characters");
        }
    }
    if (flamMap && line.tokens.size() > 7) {
        const std::string_view type = line.Text(line.tokens[7]);
        if (!IsModelType(type)) {
            check.Error("FMType " + Shown(type) + " is neither static nor dynamic");
        }
    }
    const std::string_view name = line.Text(line.name);
    if (flamMap && !IsUtf8(name)) {
        check.Error("the name is not valid UTF-8 text");
    } else if (flamMap && name.size() > kLongestName) {
        check.Error("the name has " + std::to_string(name.size()) + " bytes; FARSITE reads " +
                    std::to_string(kLongestName) + " at most");
    }
    CheckValues(system, check);
}

} // namespace

std::vector<Finding> CheckFmd(const FmdFile &file) {
    std::vector<Finding> findings;
    std::map<long, std::size_t> numbers;
    for (const FmdLine &line : file.lines) {
        if (line.kind == LineKind::Model) {
            CheckModel(line, file.system, numbers, findings);
        } else if (line.kind == LineKind::Comment && !IsUtf8(line.text)) {
            findings.push_back({line.number, Severity::Warning, "the comment is not valid UTF-8 text"});
        }
    }
    return findings;
}

bool HasErrors(const std::vector<Finding> &findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding &finding) { return finding.severity == Severity::Error; });
}

namespace {

std::string Plural(std::size_t count, std::string_view word) {
    std::string text = std::to_string(count) + " ";
    text += word;
    if (count != 1) {
        text += 's';
    }
    return text;
}

} // namespace

std::string CheckSummary(const FmdFile &file, const std::vector<Finding> &findings) {
    const auto models =
        static_cast<std::size_t>(std::count_if(file.lines.begin(), file.lines.end(), [](const FmdLine &line) {
            return line.kind == LineKind::Model;
        }));
    const auto errors = static_cast<std::size_t>(std::count_if(
        findings.begin(), findings.end(), [](const Finding &f) { return f.severity == Severity::Error; }));
    std::string text = Plural(models, "model");
    text += " in ";
    text += SystemWord(file.system);
    text += file.statesSystem ? " units, " : " units (no first line ENGLISH or METRIC), ";
    text += Plural(errors, "error");
    text += ", ";
    text += Plural(findings.size() - errors, "warning");
    return text;
}

std::string ErrorLines(const std::vector<Finding> &findings) {
    std::string lines;
    std::size_t count = 0;
    std::size_t last = 0;
    // Findings come in line order, so a line's errors are next to each other.
    for (const Finding &finding : findings) {
        if (finding.severity != Severity::Error || finding.line == last) {
            continue;
        }
        lines += count++ == 0 ? "" : ", ";
        lines += std::to_string(finding.line);
        last = finding.line;
    }
    return count == 0 ? lines : (count == 1 ? "line " : "lines ") + lines;
}

} // namespace quorlex::fuelmodels
