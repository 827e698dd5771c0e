#include "relations/Calculation.h"

#include "conversion/Quoted.h"
#include "conversion/ResultText.h"
#include "conversion/UnitChoice.h"
#include "conversion/ValueConverter.h"
#include "engine/UnitLookup.h"
#include "errors/RuntimeError.h"
#include "numbers/DecimalPlaces.h"
#include "relations/QuantityUnits.h"

#include <array>
#include <cmath>
#include <limits>

namespace quorlex::relations {

namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// The classes hold flame lengths from the class before up to their bound: 4 ft belongs to 4 to 8 ft and
// 8 ft to 8 to 11 ft, while 11 ft is not yet over 11 ft.
constexpr std::array<ChartClass, 4> kChartClasses{{
    {1, 4.0, 100.0,
     "flame length under 4 ft (under 100 BTU/ft/s): direct attack at the head and flanks with hand tools"},
    {2, 8.0, 500.0,
     "flame length 4 to 8 ft (100 to 500 BTU/ft/s): too intense for hand tools at the head, equipment such "
     "as engines, dozers and retardant aircraft can work"},
    {3, 11.0, 1000.0,
     "flame length 8 to 11 ft (500 to 1000 BTU/ft/s): serious control problems such as torching, crowning "
     "and spotting"},
    {4, kUnbounded, kUnbounded,
     "flame length over 11 ft (over 1000 BTU/ft/s): crowning, spotting and major runs are likely, control "
     "at the head is ineffective"},
}};

int ClassOf(double value, double ChartClass::*bound) {
    if (!(value >= 0.0)) {
        return 0;
    }
    for (const ChartClass &chartClass : kChartClasses) {
        // The top of classes 1 and 2 is open, of class 3 closed.
        const bool inside = chartClass.number == 3 ? value <= chartClass.*bound : value < chartClass.*bound;
        if (inside) {
            return chartClass.number;
        }
    }
    return 4;
}

// A value in a quantity's formula unit expressed in the unit of its category that a name names.
double InUnit(const Quantity &quantity, double value, std::string_view symbol) {
    const auto unit = LookupUnitIn(CategoryIndex(quantity), symbol);
    return unit ? ConvertUnits(quantity, FormulaUnit(quantity), *unit, value)
                : std::numeric_limits<double>::quiet_NaN();
}

// "100", "-3 ch/h": a value text as given, with its unit.
std::string Given(std::string_view text, const Quantity &quantity, int unit) {
    std::string given = conversion::Quoted(text);
    if (unit >= 0 && !quantity.IsNumber()) {
        given += ' ';
        given += UnitSymbol(quantity, unit);
    }
    return given;
}

// " m/s" after a bound in the formula's unit; nothing for a number.
std::string UnitAfter(const Quantity &quantity) {
    std::string text;
    if (!quantity.IsNumber() && !quantity.unit.empty()) {
        text += ' ';
        text += quantity.unit;
    }
    return text;
}

// A refused input: its message, no answer.
void Refuse(Answer &answer, std::string message) {
    answer.problem = Problem::Value;
    answer.message = std::move(message);
}

} // namespace

std::span<const ChartClass> ChartClasses() {
    return kChartClasses;
}

int ChartClassOfFlameLength(double feet) {
    return ClassOf(feet, &ChartClass::mostFlameLength);
}

int ChartClassOfIntensity(double btuPerFootSecond) {
    return ClassOf(btuPerFootSecond, &ChartClass::mostIntensity);
}

std::string_view ChartClassText(int number) {
    return number >= 1 && number <= 4 ? kChartClasses[static_cast<std::size_t>(number - 1)].text
                                      : std::string_view();
}

std::string MissingInputs(const Relation &relation, std::span<const InputChoice> choices) {
    std::string missing;
    for (std::size_t i = 0; i < relation.inputs.size(); ++i) {
        const Quantity &input = relation.inputs[i];
        if ((i < choices.size() && choices[i].given) || input.fallback) {
            continue;
        }
        missing += missing.empty() ? "missing input: " : "; missing input: ";
        missing += std::string(input.name) + " (" + std::string(input.title) + ", " + CategoryCaption(input) +
                   ": " + std::string(input.name) + "=VALUE" + (input.IsNumber() ? "" : " UNIT") + ")";
    }
    return missing;
}

Calculator::Calculator(const Relation &relation, std::vector<InputChoice> choices, int outputUnit,
                       conversion::ResultStyle style, int places, conversion::DecimalMark mark)
    : relation_(relation), choices_(std::move(choices)), outputUnit_(outputUnit), style_(style),
      places_(places), mark_(mark) {
    choices_.resize(relation_.inputs.size(), InputChoice{false, InputChoice::kNoUnit});
}

bool Calculator::ReadInput(std::size_t i, std::string_view text, double &value, Answer &answer) const {
    const Quantity &input = relation_.inputs[i];
    const InputChoice &choice = choices_[i];
    const std::string prefix = std::string(input.name) + ": ";
    if (!choice.given) {
        value = *input.fallback;
        return true;
    }
    std::optional<double> read;
    int unit = choice.unit;
    if (input.category == kTimeCategory && (unit == InputChoice::kNoUnit || unit == 0)) {
        // "1:30" is hours and minutes, never a CATEGORY:INDEX name.
        if (const auto hours = HoursAndMinutes(text)) {
            read = hours;
            unit = 0;
        }
    }
    if (!read) {
        try {
            read = conversion::ReadValueText(text, mark_);
        } catch (const RuntimeError &error) {
            if (error.Number() != kErrOverflow) {
                throw;
            }
            Refuse(answer,
                   prefix + conversion::Quoted(text) + " is beyond the largest number (about 1.8E+308)");
            return false;
        }
        if (!read) {
            Refuse(answer, prefix + conversion::Quoted(text) + " is not a number");
            return false;
        }
    }
    if (unit == InputChoice::kNoUnit && !input.IsNumber()) {
        Refuse(answer, prefix + conversion::Quoted(text) + " needs a unit of " + CategoryCaption(input));
        return false;
    }
    value = input.IsNumber() ? *read : ConvertUnits(input, unit, FormulaUnit(input), *read);
    if (!input.allowed.Holds(value)) {
        Refuse(answer, prefix + Given(text, input, unit) +
                           " is out of range: " + input.allowed.Text(input.sign) + UnitAfter(input));
        return false;
    }
    if (input.fitted.Bounded() && !input.fitted.Holds(value)) {
        answer.warnings.push_back(prefix + Given(text, input, unit) +
                                  " lies outside the data the formula was fitted on: " +
                                  input.fitted.Text(input.sign) + UnitAfter(input));
    }
    return true;
}

Answer Calculator::Compute(std::span<const std::string_view> texts) const {
    Answer answer;
    std::vector<double> values(relation_.inputs.size(), 0.0);
    bool blank = false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string_view text = i < texts.size() ? texts[i] : std::string_view();
        if (choices_[i].given && conversion::IsBlankText(text)) {
            blank = true; // missing data: an empty answer, once every other value has been checked
            continue;
        }
        if (!ReadInput(i, text, values[i], answer)) {
            return answer;
        }
    }
    if (blank) {
        answer.warnings.clear();
        return answer;
    }
    const double value = relation_.formula.Evaluate(values);
    answer.value = value;
    const Quantity &output = relation_.output;
    if (output.fitted.Bounded() && !output.fitted.Holds(value)) {
        answer.warnings.push_back(std::string(output.name) +
                                  ": the answer lies outside the data the formula "
                                  "was fitted on: " +
                                  output.fitted.Text(output.sign) + " " + std::string(output.unit));
    }
    WriteAnswer(value, answer);
    if (answer) {
        answer.chartClass = ChartClassOf(values, value);
    }
    return answer;
}

void Calculator::WriteAnswer(double value, Answer &answer) const {
    const Quantity &output = relation_.output;
    const std::string prefix = std::string(output.name) + ": the answer ";
    const std::string beyond = prefix + "is beyond the largest number (about 1.8E+308)";
    if (!std::isfinite(value)) {
        answer.problem = Problem::Answer;
        answer.message = beyond;
        return;
    }
    const int category = CategoryIndex(output);
    const int formulaUnit = FormulaUnit(output);
    const int unit = outputUnit_ < 0 || output.IsNumber() ? formulaUnit : outputUnit_;
    std::string unitText;
    if (unit >= 0) {
        unitText += ' ';
        unitText += UnitSymbol(output, unit);
    }
    std::string tooSmall;
    bool small = false;
    if (category >= 0) {
        // The converter's own texts: the answer agrees with converting it from the formula's unit.
        conversion::ValueConverter converter({category, formulaUnit, unit}, style_, places_, mark_);
        const auto refusal = converter.ConvertNumber(value, answer.text);
        if (refusal == conversion::ValueConverter::Refusal::ResultTooSmall) {
            small = true;
            tooSmall = converter.TooSmallGeneralText();
        } else if (refusal != conversion::ValueConverter::Refusal::None) {
            answer.problem = Problem::Answer;
            answer.message = beyond;
            return;
        }
    } else {
        const double converted = formulaUnit < 0 ? value : ConvertUnits(output, formulaUnit, unit, value);
        const auto status =
            conversion::WriteResultNumber(converted, style_, places_, mark_, answer.text, tooSmall);
        if (status == conversion::ResultTextStatus::BeyondRange) {
            answer.problem = Problem::Answer;
            answer.message = beyond;
            return;
        }
        small = status == conversion::ResultTextStatus::TooSmall;
    }
    if (small) {
        answer.problem = Problem::Answer;
        answer.message = prefix + tooSmall + unitText + " shows as 0 with the most decimal places (" +
                         std::to_string(kMaxDecimalPlaces) + ")";
    }
}

int Calculator::ChartClassOf(std::span<const double> inputs, double output) const {
    if (relation_.chart == ChartBy::None) {
        return 0;
    }
    const std::string_view category =
        relation_.chart == ChartBy::FlameLength ? "Length" : "FireLineIntensity";
    const std::string_view symbol = relation_.chart == ChartBy::FlameLength ? "ft" : "BTU/ft/s";
    const auto classOf = [&](const Quantity &quantity, double value) {
        const double inChartUnit = InUnit(quantity, value, symbol);
        return relation_.chart == ChartBy::FlameLength ? ChartClassOfFlameLength(inChartUnit)
                                                       : ChartClassOfIntensity(inChartUnit);
    };
    if (relation_.output.category == category) {
        return classOf(relation_.output, output);
    }
    for (std::size_t i = 0; i < relation_.inputs.size(); ++i) {
        if (relation_.inputs[i].category == category) {
            return classOf(relation_.inputs[i], inputs[i]);
        }
    }
    return 0;
}

} // namespace quorlex::relations
