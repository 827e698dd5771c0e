#pragma once

#include "conversion/ExactFactors.h"
#include "conversion/ResultStyle.h"
#include "conversion/UnitChoice.h"
#include "conversion/ValueText.h"
#include "numbers/DecimalDigits.h"

#include <memory>
#include <string>
#include <string_view>

namespace quorlex {
class UnitConverter;
}

namespace quorlex::conversion {

// Why the window's tables cannot convert between the units ("\"kg/ha\" is not one of the desktop program's
// units ..."), when Factors::Tables is asked for: a unit the window's lists do not have. Empty when they can.
std::string TablesProblem(const UnitChoice &units, Factors factors);

// Converts value texts between the two units of a run and writes each result as the window shows it: the
// window's reading of the value and the window's texts of the result. The factor is the units' exact one,
// rounded once, and the result the value times it, rounded once; with Factors::Tables, one converter of the
// window for the whole run gives the window's own results (those of its fresh registry per Compute).
// Temperature and slope go by the window's formulas either way.
class ValueConverter {
public:
    // Why a value gives no result.
    enum class Refusal {
        None,
        NotNumber,         // the text fails the numeric test
        ValueBeyondRange,  // the value lies beyond the range of a double
        ResultBeyondRange, // the result does
        ResultTooSmall,    // not zero, but all zeros with the automatic places
        NotInTables,       // Factors::Tables, and a unit the window's lists do not have
    };

    ValueConverter(const UnitChoice &units, ResultStyle style, int places, DecimalMark mark,
                   Factors factors = Factors::Exact);
    // The converter for other units of the same category, or another style of result: it keeps its
    // category's converter, so that changing them costs nothing.
    void SetUnits(int from, int to);
    void SetStyle(ResultStyle style, int places, DecimalMark mark);
    void SetFactors(Factors factors) { factors_ = factors; }
    ValueConverter(const ValueConverter &) = delete;
    ValueConverter &operator=(const ValueConverter &) = delete;
    ~ValueConverter();

    // The result text of a value text; an empty text for a blank one (missing data). On a refusal the
    // result is empty.
    Refusal Convert(std::string_view text, std::string &result);
    // The result text of a number already read (a fire calculation's answer in the unit `from`).
    Refusal ConvertNumber(double value, std::string &result);

    // What a refusal says about a text: "\"12,5\" is not a number".
    std::string Describe(Refusal refusal, std::string_view text) const;

    // The general text of the last result refused as too small, with the decimal mark: what -g writes.
    std::string TooSmallGeneralText() const;

    // The factor label for the two units: the factor's general text with the decimal mark, or "Formula Used".
    std::string FactorLabel();

    const UnitChoice &Units() const { return units_; }
    Factors FactorSource() const { return factors_; }
    // Whether this converter multiplies by an exact factor (Factors::Exact and a category with one).
    bool UsesExactFactor() const;
    // Why the window's tables cannot convert between the units, when they are asked for; empty when they can.
    std::string TablesProblem() const;
    DecimalMark Mark() const { return mark_; }

private:
    // The result texts from the window's own path: a fresh outcome of ConvertWith, rendered.
    Refusal ConvertThroughOutcome(double value, std::string &result);
    // The same texts from one rounding of the result to 15 digits.
    Refusal Show(const Decimal15 &decimal, bool zero, std::string &result);

    UnitChoice units_;
    ResultStyle style_;
    int places_;
    DecimalMark mark_;
    Factors factors_;
    std::shared_ptr<UnitConverter> converter_;
    std::string lastGeneralText_; // the general text of the last result, for messages
};

} // namespace quorlex::conversion
