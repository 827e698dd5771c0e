#include "relations/Calculation.h"

#include "conversion/Quoted.h"
#include "conversion/ResultText.h"
#include "conversion/UnitChoice.h"
#include "conversion/ValueConverter.h"
#include "engine/TextFolding.h"
#include "engine/UnitLookup.h"
#include "errors/RuntimeError.h"
#include "numbers/DecimalPlaces.h"
#include "relations/QuantityUnits.h"
#include "relations/SignificantText.h"

#include <array>
#include <cmath>
#include <limits>

namespace quorlex::relations {

namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// The fire characteristics chart of Andrews and Rothermel (1982, INT-131) draws its four classes at flame
// lengths of 4, 8 and 11 ft and fireline intensities of 100, 500 and 1000 BTU/ft/s; the NWCG's Fireline
// Handbook (PMS 410-2, appendix B) gives the same bands as 0-4, 4-8, 8-11 and over 11 ft. The edges
// belong to the class above them, except 11 ft and 1000 BTU/ft/s, which are not yet over 11 ft or 1000.
// Byram's fit does not carry one scale onto the other (100 BTU/ft/s gives 3.74 ft), so a class is read
// from one quantity only and its line says which.
constexpr std::array<ChartClass, 4> kChartClasses{{
    {1, 4.0, 100.0, "under 4 ft", "under 100 BTU/ft/s",
     "direct attack at the head and flanks with hand tools; a handline should hold the fire"},
    {2, 8.0, 500.0, "4 to 8 ft", "100 to 500 BTU/ft/s",
     "too intense for hand tools at the head and a handline may not hold; engines, dozers and retardant "
     "aircraft can work"},
    {3, 11.0, 1000.0, "8 to 11 ft", "500 to 1000 BTU/ft/s",
     "serious control problems such as torching, crowning and spotting; control at the head will probably "
     "fail"},
    {4, kUnbounded, kUnbounded, "over 11 ft", "over 1000 BTU/ft/s",
     "crowning, spotting and major runs are likely; control at the head is ineffective"},
}};

constexpr std::string_view kChartSource = "Andrews and Rothermel 1982";

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

// A range given in the unit `from` of a quantity, written in its unit `to`: exactly where the units are
// the same, else with the bounds converted and rounded to 3 significant digits, as a bound is read.
std::string RangeIn(const Quantity &quantity, const Range &range, int from, int to) {
    std::string text;
    if (from == to || quantity.IsNumber() || from < 0 || to < 0) {
        text = range.Text(quantity.sign);
    } else {
        Range converted = range;
        converted.least = ConvertUnits(quantity, from, to, range.least);
        converted.most = ConvertUnits(quantity, from, to, range.most);
        text = converted.Text(quantity.sign, [](double bound) { return SignificantText(bound, 3); });
    }
    if (!quantity.IsNumber() && to >= 0) {
        text += ' ';
        text += UnitSymbol(quantity, to);
    } else if (!quantity.unit.empty() && !quantity.IsNumber()) {
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

std::string ChartClassLine(int number, ChartBy by) {
    if (number < 1 || number > 4 || by == ChartBy::None) {
        return {};
    }
    const ChartClass &chartClass = kChartClasses[static_cast<std::size_t>(number - 1)];
    std::string line = "class ";
    line += std::to_string(number);
    line += by == ChartBy::FlameLength ? " by flame length, " : " by fireline intensity, ";
    line += by == ChartBy::FlameLength ? chartClass.flameBand : chartClass.intensityBand;
    line += " (";
    line += kChartSource;
    line += "): ";
    line += chartClass.meaning;
    return line;
}

std::string MissingInputs(const Relation &relation, std::span<const InputChoice> choices, InputForm form) {
    std::string missing;
    for (std::size_t i = 0; i < relation.inputs.size(); ++i) {
        const Quantity &input = relation.inputs[i];
        if ((i < choices.size() && choices[i].given) || input.fallback) {
            continue;
        }
        missing += missing.empty() ? "missing input: " : "; missing input: ";
        missing += input.name;
        missing += " (";
        missing += input.title;
        missing += ", ";
        missing += CategoryCaption(input);
        missing += ": ";
        missing += input.name;
        if (form == InputForm::Column) {
            missing += input.IsNumber() ? "=COLUMN" : "=COLUMN[UNIT]";
        } else {
            missing += input.IsNumber() ? "=VALUE" : "=VALUE UNIT";
        }
        missing += ')';
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
    if (input.category == kTimeCategory && LooksLikeHoursAndMinutes(text)) {
        // "1:30" is hours and minutes whatever unit the other inputs are in, so it takes none: "1:30 min"
        // would read as 1 h 30 min or as 1.5 min depending on who reads it.
        if (unit != InputChoice::kNoUnit) {
            std::string message = prefix + conversion::Quoted(text);
            message += " is hours and minutes (H:MM), which take no unit: give ";
            message += Trimmed(text);
            message += " alone, or the time as a number of ";
            message += UnitSymbol(input, unit);
            Refuse(answer, std::move(message));
            return false;
        }
        read = HoursAndMinutes(text);
        if (!read) {
            Refuse(answer, prefix + conversion::Quoted(text) +
                               " has bad minutes: hours and minutes are written H:MM, the minutes 00 to 59");
            return false;
        }
        unit = 0;
    }
    if (input.category == kScaleCategory) {
        read = MapScale(text, mark_);
        if (!read) {
            Refuse(answer, prefix + conversion::Quoted(text) +
                               " is no map scale: write it 1:24000, 1:24,000 or 24000");
            return false;
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
        // The range in the unit the value was given in, so that the two can be compared at a glance.
        Refuse(answer, prefix + Given(text, input, unit) +
                           " is out of range: " + RangeIn(input, input.allowed, FormulaUnit(input), unit));
        return false;
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
    if (relation_.check != nullptr) {
        if (std::string refusal = relation_.check(values); !refusal.empty()) {
            Refuse(answer, std::move(refusal));
            return answer;
        }
    }
    const double value = relation_.formula.Evaluate(values);
    answer.value = value;
    WriteAnswer(value, answer);
    if (answer) {
        WarnOutsideRange(texts, values, value, answer);
        answer.chartClass = ChartClassOf(values, value);
        answer.chartLine = ChartClassLine(answer.chartClass, relation_.chart);
        if (relation_.verdict != nullptr) {
            answer.chartLine = relation_.verdict(values, value);
        }
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
    if (relation_.fit && style_ == conversion::ResultStyle::Automatic) {
        // A fit's coefficients carry two or three digits and flame length varies with the fuel bed far
        // more than that (Alexander and Cruz 2012): 3 significant digits, the rest would be noise.
        const double converted = formulaUnit < 0 ? value : ConvertUnits(output, formulaUnit, unit, value);
        if (!std::isfinite(converted) || std::fabs(converted) >= 1E300) {
            answer.problem = Problem::Answer;
            answer.message = beyond;
            return;
        }
        answer.text = SignificantText(converted, 3);
        conversion::ApplyDecimalMark(answer.text, mark_);
        return;
    }
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

void Calculator::WarnOutsideRange(std::span<const std::string_view> texts, std::span<const double> inputs,
                                  double output, Answer &answer) const {
    if (!relation_.published) {
        return;
    }
    const PublishedRange &published = *relation_.published;
    const bool ofOutput = published.slot < 0;
    const auto slot = static_cast<std::size_t>(published.slot);
    const Quantity &quantity = ofOutput ? relation_.output : relation_.inputs[slot];
    if (!ofOutput && !choices_[slot].given) {
        return; // a default value is the program's choice, not the user's
    }
    const auto rangeUnit = LookupUnitIn(CategoryIndex(quantity), published.unit);
    if (!rangeUnit) {
        return;
    }
    const double value = ofOutput ? output : inputs[slot];
    if (published.range.Holds(ConvertUnits(quantity, FormulaUnit(quantity), *rangeUnit, value))) {
        return;
    }
    const int shownUnit = ofOutput                  ? (outputUnit_ < 0 ? FormulaUnit(quantity) : outputUnit_)
                          : choices_[slot].unit < 0 ? FormulaUnit(quantity)
                                                    : choices_[slot].unit;
    std::string warning(quantity.name);
    warning += ": ";
    if (ofOutput) {
        warning += "the answer";
    } else {
        warning += Given(slot < texts.size() ? texts[slot] : std::string_view(), quantity, shownUnit);
    }
    warning += " lies outside ";
    warning += RangeIn(quantity, published.range, *rangeUnit, shownUnit);
    warning += ", ";
    warning += published.what;
    answer.warnings.push_back(std::move(warning));
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
