#include "web/RelationApi.h"

#include "conversion/ValueText.h"
#include "delimited/CalculationColumns.h"
#include "numbers/GeneralText.h"
#include "relations/Calculation.h"
#include "relations/QuantityUnits.h"
#include "web/Answering.h"
#include "web/FileRun.h"
#include "web/JsonText.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quorlex;
using namespace quorlex::web;
using relations::InputChoice;
using relations::Quantity;
using relations::Relation;

constexpr int kNotGiven = -2;
constexpr int kFormulaUnit = -1;

std::string_view KindOf(const Quantity &quantity) {
    if (quantity.category == relations::kScaleCategory) {
        return "scale";
    }
    if (quantity.IsNumber()) {
        return "number";
    }
    return quantity.category == relations::kTimeCategory ? "time" : "category";
}

void AppendQuantity(std::string &json, const Quantity &quantity) {
    json += '{';
    AppendJsonKey(json, "name", true);
    AppendJsonString(json, quantity.name);
    AppendJsonKey(json, "title");
    AppendJsonString(json, quantity.title);
    AppendJsonKey(json, "sign");
    AppendJsonString(json, quantity.sign);
    AppendJsonKey(json, "category");
    AppendJsonString(json, relations::CategoryCaption(quantity));
    AppendJsonKey(json, "kind");
    AppendJsonString(json, KindOf(quantity));
    AppendJsonKey(json, "units");
    json += '[';
    for (int unit = 0; unit < relations::UnitCount(quantity); ++unit) {
        json += unit == 0 ? "{" : ",{";
        AppendJsonKey(json, "index", true);
        json += std::to_string(unit);
        AppendJsonKey(json, "symbol");
        AppendJsonString(json, relations::UnitSymbol(quantity, unit));
        AppendJsonKey(json, "name");
        AppendJsonString(json, relations::UnitName(quantity, unit));
        json += '}';
    }
    json += ']';
    AppendJsonKey(json, "formulaUnit");
    json += std::to_string(relations::FormulaUnit(quantity));
    AppendJsonKey(json, "range");
    std::string range;
    if (quantity.allowed.Bounded()) {
        range = quantity.allowed.Text(quantity.sign);
        if (!quantity.IsNumber() && !quantity.unit.empty()) {
            range += ' ';
            range += quantity.unit;
        }
    }
    AppendJsonString(json, range);
    AppendJsonKey(json, "fallback");
    if (quantity.fallback) {
        // An optional input that nothing stands for: an empty fallback.
        AppendJsonString(json,
                         std::isnan(*quantity.fallback) ? std::string() : GeneralText(*quantity.fallback));
    } else {
        json += "null";
    }
    json += '}';
}

std::string RelationsJson() {
    std::string json = "[";
    for (const Relation &relation : relations::Relations()) {
        json += json.size() == 1 ? "{" : ",{";
        AppendJsonKey(json, "id", true);
        AppendJsonString(json, relation.id);
        AppendJsonKey(json, "title");
        AppendJsonString(json, relation.title);
        AppendJsonKey(json, "formula");
        AppendJsonString(json, relation.FormulaText());
        AppendJsonKey(json, "units");
        AppendJsonString(json, relation.UnitsText());
        AppendJsonKey(json, "source");
        AppendJsonString(json, relation.source);
        AppendJsonKey(json, "chart");
        json += relation.chart == relations::ChartBy::None ? "false" : "true";
        AppendJsonKey(json, "fit");
        json += relation.fit ? "true" : "false";
        AppendJsonKey(json, "range");
        AppendJsonString(json, relation.RangeText());
        AppendJsonKey(json, "note");
        AppendJsonString(json, relation.note);
        AppendJsonKey(json, "inverse");
        AppendJsonString(json, relation.inverse);
        AppendJsonKey(json, "inputs");
        json += '[';
        for (std::size_t i = 0; i < relation.inputs.size(); ++i) {
            json += i == 0 ? "" : ",";
            AppendQuantity(json, relation.inputs[i]);
        }
        json += ']';
        AppendJsonKey(json, "output");
        AppendQuantity(json, relation.output);
        json += '}';
    }
    json += ']';
    return json;
}

// "3:2004:10.5" -> {"200", "10.5"}; nullopt for a text of another form.
std::optional<std::vector<std::string_view>> SplitValues(std::string_view text) {
    std::vector<std::string_view> values;
    while (!text.empty()) {
        std::size_t length = 0;
        const auto read = std::from_chars(text.data(), text.data() + text.size(), length);
        if (read.ec != std::errc() || read.ptr == text.data() + text.size() || *read.ptr != ':') {
            return std::nullopt;
        }
        text.remove_prefix(static_cast<std::size_t>(read.ptr - text.data()) + 1);
        if (length > text.size()) {
            return std::nullopt;
        }
        values.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return values;
}

// "0,-2,1" -> {0, -2, 1}; nullopt for a text of another form.
std::optional<std::vector<int>> SplitUnits(std::string_view text) {
    std::vector<int> units;
    while (!text.empty()) {
        int unit = 0;
        const auto read = std::from_chars(text.data(), text.data() + text.size(), unit);
        if (read.ec != std::errc()) {
            return std::nullopt;
        }
        units.push_back(unit);
        text.remove_prefix(static_cast<std::size_t>(read.ptr - text.data()));
        if (!text.empty()) {
            if (text.front() != ',' || text.size() == 1) {
                return std::nullopt;
            }
            text.remove_prefix(1);
        }
    }
    return units;
}

void AppendInputRefusal(std::string &json, std::string_view kind, const Quantity *input,
                        std::string_view reason) {
    json += "{\"ok\":false";
    AppendJsonKey(json, "kind");
    AppendJsonString(json, kind);
    AppendJsonKey(json, "input");
    if (input != nullptr) {
        AppendJsonString(json, input->name);
    } else {
        json += "null";
    }
    AppendJsonKey(json, "reason");
    AppendJsonString(json, reason);
    json += '}';
}

// The input a refusal's message names ("ros: ..."); null for none.
const Quantity *InputNamed(const Relation &relation, std::string_view message) {
    const Quantity *named = nullptr;
    for (const Quantity &input : relation.inputs) {
        const bool prefix = message.size() > input.name.size() &&
                            message.substr(0, input.name.size()) == input.name &&
                            message[input.name.size()] == ':';
        if (prefix && (named == nullptr || input.name.size() > named->name.size())) {
            named = &input;
        }
    }
    return named;
}

std::optional<std::vector<InputChoice>> ChoicesOf(std::string &json, const Relation &relation,
                                                  const std::vector<int> &units);

void Calculate(std::string &json, const Relation &relation, const std::vector<std::string_view> &values,
               const std::vector<int> &units, int outputUnit, int places, bool comma) {
    const auto chosen = ChoicesOf(json, relation, units);
    if (!chosen) {
        return;
    }
    const std::vector<InputChoice> &choices = *chosen;
    if (const std::string missing = relations::MissingInputs(relation, choices); !missing.empty()) {
        const Quantity *first = nullptr;
        for (std::size_t i = 0; i < relation.inputs.size() && first == nullptr; ++i) {
            first = choices[i].given || relation.inputs[i].fallback ? nullptr : &relation.inputs[i];
        }
        AppendInputRefusal(json, "missing", first, missing);
        return;
    }
    const auto [style, fixed] = PlacesChoiceOf(places);
    const auto mark = comma ? conversion::DecimalMark::Comma : conversion::DecimalMark::Period;
    const relations::Calculator calculator(relation, choices, outputUnit, style, fixed, mark);
    const relations::Answer answer = calculator.Compute(values);
    if (answer.problem == relations::Problem::Value) {
        AppendInputRefusal(json, "value", InputNamed(relation, answer.message), answer.message);
        return;
    }
    if (answer.problem == relations::Problem::Answer) {
        AppendInputRefusal(json, "answer", nullptr, answer.message);
        return;
    }
    if (answer.text.empty()) {
        for (std::size_t i = 0; i < relation.inputs.size(); ++i) {
            if (choices[i].given && conversion::IsBlankText(values[i])) {
                const Quantity &input = relation.inputs[i];
                AppendInputRefusal(json, "blank", &input,
                                   std::string(input.name) + ": no value: the text is blank");
                return;
            }
        }
    }
    const int unit = outputUnit == kFormulaUnit ? relations::FormulaUnit(relation.output) : outputUnit;
    json += "{\"ok\":true";
    AppendJsonKey(json, "result");
    AppendJsonString(json, answer.text);
    AppendJsonKey(json, "unit");
    AppendJsonString(json, unit < 0 ? std::string_view() : relations::UnitSymbol(relation.output, unit));
    AppendJsonKey(json, "places");
    AppendPlaces(json, answer.text, places, comma);
    AppendJsonKey(json, "chartClass");
    json += std::to_string(answer.chartClass);
    AppendJsonKey(json, "chartText");
    AppendJsonString(json, answer.chartLine);
    AppendJsonKey(json, "warnings");
    json += '[';
    for (std::size_t i = 0; i < answer.warnings.size(); ++i) {
        json += i == 0 ? "" : ",";
        AppendJsonString(json, answer.warnings[i]);
    }
    json += "]}";
}

// The input choices of a calculation's units; a refusal in json, and nullopt, for a unit no input has.
std::optional<std::vector<InputChoice>> ChoicesOf(std::string &json, const Relation &relation,
                                                  const std::vector<int> &units) {
    std::vector<InputChoice> choices(relation.inputs.size());
    for (std::size_t i = 0; i < relation.inputs.size(); ++i) {
        const Quantity &input = relation.inputs[i];
        if (units[i] == kNotGiven) {
            choices[i].given = false;
            continue;
        }
        if (units[i] < InputChoice::kNoUnit || units[i] >= relations::UnitCount(input)) {
            AppendInputRefusal(json, "unit", &input,
                               std::string(input.name) + ": no such unit: " + std::to_string(units[i]));
            return std::nullopt;
        }
        choices[i].unit = units[i]; // -1 for a time in hours and minutes (H:MM), which takes no unit
    }
    return choices;
}

// Why an answer's unit or places are none of the interface's; empty when both are.
std::string BadAnswerChoice(const Relation &relation, int outputUnit, int places) {
    if (outputUnit < kFormulaUnit || outputUnit >= relations::UnitCount(relation.output)) {
        return "no such unit of the answer: " + std::to_string(outputUnit);
    }
    return BadPlaces(places);
}

} // namespace

extern "C" {

const char *qx_relations() {
    return Answering([](std::string &json) { json = RelationsJson(); });
}

const char *qx_calculate(const char *id, int idLength, const char *values, int valuesLength,
                         const char *units, int unitsLength, int outputUnit, int places, int comma) {
    return Answering([=](std::string &json) {
        const auto bad = [&json](const std::string &reason) {
            AppendInputRefusal(json, "bad-arguments", nullptr, reason);
        };
        const Relation *relation = relations::FindRelation(TextOf(id, idLength));
        if (relation == nullptr) {
            bad("no such calculation");
            return;
        }
        const auto texts = SplitValues(TextOf(values, valuesLength));
        const auto positions = SplitUnits(TextOf(units, unitsLength));
        if (!texts || !positions || texts->size() != relation->inputs.size() ||
            positions->size() != relation->inputs.size()) {
            bad("give one value and one unit for each of the " + std::to_string(relation->inputs.size()) +
                " inputs");
            return;
        }
        if (const std::string wrong = BadAnswerChoice(*relation, outputUnit, places); !wrong.empty()) {
            bad(wrong);
            return;
        }
        Calculate(json, *relation, *texts, *positions, outputUnit, places, comma != 0);
    });
}

const char *qx_table_calc_begin(const char *id, int idLength, const char *values, int valuesLength,
                                const char *units, int unitsLength, const char *columns, int columnsLength,
                                int outputUnit, int header, int delimiter, int places, int comma,
                                int keepGoing, int details) {
    return Answering([=](std::string &json) {
        FileRun &file = TheFileRun();
        file = FileRun();
        const auto bad = [&json](const std::string &reason) {
            AppendInputRefusal(json, "bad-arguments", nullptr, reason);
        };
        const Relation *relation = relations::FindRelation(TextOf(id, idLength));
        if (relation == nullptr) {
            bad("no such calculation");
            return;
        }
        const auto texts = SplitValues(TextOf(values, valuesLength));
        const auto positions = SplitUnits(TextOf(units, unitsLength));
        const auto named = SplitValues(TextOf(columns, columnsLength));
        const std::size_t count = relation->inputs.size();
        if (!texts || !positions || !named || texts->size() != count || positions->size() != count ||
            named->size() != count) {
            bad("give one value, one unit and one column for each of the " + std::to_string(count) +
                " inputs");
            return;
        }
        if (const std::string wrong = BadAnswerChoice(*relation, outputUnit, places); !wrong.empty()) {
            bad(wrong);
            return;
        }
        auto choices = ChoicesOf(json, *relation, *positions);
        if (!choices) {
            return;
        }
        std::vector<delimited::CalculationInput> inputs;
        inputs.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const bool column = !(*named)[i].empty();
            // An input read from a column is given on every row, blank or not.
            (*choices)[i].given = (*choices)[i].given || column;
            inputs.push_back({column, std::string(column ? (*named)[i] : (*texts)[i])});
        }
        if (const std::string missing = relations::MissingInputs(*relation, *choices); !missing.empty()) {
            AppendInputRefusal(json, "missing", nullptr, missing);
            return;
        }
        const int unit = outputUnit == kFormulaUnit ? relations::FormulaUnit(relation->output) : outputUnit;
        std::string outputHeader(relation->output.name);
        if (unit >= 0) {
            outputHeader += " [";
            outputHeader += relations::UnitSymbol(relation->output, unit);
            outputHeader += ']';
        }
        const auto [style, fixed] = PlacesChoiceOf(places);
        file.calculator = std::make_unique<relations::Calculator>(
            *relation, std::move(*choices), unit, style, fixed,
            comma != 0 ? conversion::DecimalMark::Comma : conversion::DecimalMark::Period);
        file.refusals = std::make_unique<PageRefusals>(keepGoing != 0);
        file.run = std::make_unique<delimited::CalculationColumns>(
            *file.calculator, std::move(inputs), std::move(outputHeader), header != 0,
            static_cast<char>(delimiter), details != 0, *file.refusals);
        json += "{\"ok\":true}";
    });
}
}
