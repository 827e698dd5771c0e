#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorlex {

// What one run of the Compute command converts: the selected category, the positions selected in the two
// unit lists (-1 for none) and the text of the value box.
struct ConversionRequest {
    int category = -1;
    std::int32_t sourceUnits = -1;
    std::int32_t desiredUnits = -1;
    std::string_view valueText;
};

// Why a run converted nothing.
enum class ConversionRefusal {
    None,          // converted
    NoCategory,    // no category is selected
    NotNumeric,    // the value box does not hold a number
    NoSourceUnit,  // no item is selected in the source unit list
    NoDesiredUnit, // no item is selected in the desired unit list
    OutOfRange,    // the value, or its converted result, lies beyond the range of a double
};

// Everything a run shows, worked out before anything is shown, so that a run that fails changes nothing.
struct ConversionOutcome {
    ConversionRefusal refusal = ConversionRefusal::None;
    std::string resultText;   // the general text of the converter's result ("" for an empty result)
    std::string factorText;   // the general text of the factor used
    double resultValue = 0.0; // the value of resultText: the number that is shown and re-rendered
    int decimalPlaces = 0;    // the places the result is shown with
    bool formulaUsed = false; // the factor reads as 0: the category converts by formula

    bool Converted() const { return refusal == ConversionRefusal::None; }
};

// One conversion: a fresh converter registry, the category's converter with the two unit positions and the
// number the value box shows (read with the numeric test's reading, so "1,000" is 1000), the result and
// factor as general texts, and the decimal places of the result. Converts nothing, and says why, for a
// missing category or unit, a text that is not a number, or a value or result beyond the range of a double.
// Any other run-time error (a unit position outside the category, a failure of the registry) is raised.
ConversionOutcome RunConversion(const ConversionRequest &request);

class UnitConverter;

// The conversion of one number with a converter the caller keeps (the command line keeps one for a whole
// run; its results are those of a fresh registry's converter): the result and factor as general texts and
// the decimal places of the result. Refuses (OutOfRange) a result beyond the range of a double; any other
// run-time error (a unit position outside the category) is raised.
ConversionOutcome ConvertWith(UnitConverter &converter, std::int32_t sourceUnits, std::int32_t desiredUnits,
                              double value);

// What the factor label shows after a conversion: the factor's general text, or "Formula Used" for the
// categories that convert by formula.
std::string FactorLabelText(const ConversionOutcome &outcome);

} // namespace quorlex
