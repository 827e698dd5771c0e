#pragma once

#include "conversion/ResultStyle.h"
#include "conversion/ValueText.h"
#include "relations/Relation.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex::relations {

// A fire-suppression class of the fire-behaviour interpretation chart (Andrews and Rothermel 1982): 1
// (hand tools) to 4 (control at the head ineffective); 0 for none.
struct ChartClass {
    int number = 0;
    double mostFlameLength;         // feet; the class holds up to this flame length
    double mostIntensity;           // BTU/ft/s
    std::string_view flameBand;     // "4 to 8 ft"
    std::string_view intensityBand; // "100 to 500 BTU/ft/s"
    std::string_view meaning;       // "too intense for hand tools at the head; ..."
};
std::span<const ChartClass> ChartClasses();
// The class of a flame length in feet, or of an intensity in BTU/ft/s.
int ChartClassOfFlameLength(double feet);
int ChartClassOfIntensity(double btuPerFootSecond);
// The line that states a class: the quantity it was read from, that quantity's band and the source, then
// what the class means: "class 2 by fireline intensity, 100 to 500 BTU/ft/s (Andrews and Rothermel
// 1982): ...". Empty for class 0 or ChartBy::None.
std::string ChartClassLine(int number, ChartBy by);

// How one input is given: in which of its units (a position of UnitCount), or not at all (its fallback
// stands for it). A time given as "H:MM" needs no unit: kNoUnit.
struct InputChoice {
    static constexpr int kNoUnit = -1;
    bool given = true;
    int unit = kNoUnit;
};

// Why a calculation gives no answer.
enum class Problem {
    None,
    Value,  // a value is not a number or outside its allowed range: the input's fault
    Answer, // the answer is beyond the range of a double, or too small to show
};

// The answer of one calculation.
struct Answer {
    Problem problem = Problem::None;
    std::string message; // the problem, naming the input: "wet: 100 is out of range: 0 ≤ Mw < 100"
    std::string text;    // the answer as a conversion writes its results; empty for a missing value
    double value = 0.0;  // the answer in the formula's unit
    int chartClass = 0;
    std::string chartLine;             // ChartClassLine of the class; empty for none
    std::vector<std::string> warnings; // values outside the relation's published range

    explicit operator bool() const { return problem == Problem::None; }
};

// How a missing input is to be given: on the command line (ros=VALUE UNIT) or from a column of a delimited
// file (ros=COLUMN[UNIT]).
enum class InputForm { Value, Column };

// The missing inputs of a choice, or empty: "missing input: ros (rate of spread, a Speed: ros=VALUE UNIT)".
std::string MissingInputs(const Relation &relation, std::span<const InputChoice> choices,
                          InputForm form = InputForm::Value);

// Computes a relation again and again with the same units: inputs read as value texts (the decimal mark
// of the run), converted to the units of the formula through the catalogue's converters, checked against
// their ranges; the answer converted to the output unit and written as a conversion writes its results.
class Calculator {
public:
    // choices: one per input, none of them missing (MissingInputs is empty). outputUnit: a position of
    // the output's units (FormulaUnit for the formula's own; ignored for a number).
    Calculator(const Relation &relation, std::vector<InputChoice> choices, int outputUnit,
               conversion::ResultStyle style, int places, conversion::DecimalMark mark);

    // texts: one per input (those not given are not read). A blank text gives an empty answer.
    Answer Compute(std::span<const std::string_view> texts) const;

    const Relation &Of() const { return relation_; }

private:
    // The value of input i in the formula's unit, or a problem.
    bool ReadInput(std::size_t i, std::string_view text, double &value, Answer &answer) const;
    void WriteAnswer(double value, Answer &answer) const;
    // Adds the warning for a value outside the relation's published range.
    void WarnOutsideRange(std::span<const std::string_view> texts, std::span<const double> inputs,
                          double output, Answer &answer) const;
    int ChartClassOf(std::span<const double> inputs, double output) const;

    const Relation &relation_;
    std::vector<InputChoice> choices_;
    int outputUnit_;
    conversion::ResultStyle style_;
    int places_;
    conversion::DecimalMark mark_;
};

} // namespace quorlex::relations
