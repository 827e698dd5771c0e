#pragma once

#include "conversion/ResultStyle.h"
#include "conversion/ValueText.h"
#include "numbers/DecimalDigits.h"

#include <string>

namespace quorlex::conversion {

// What became of a number written as a result.
enum class ResultTextStatus {
    Written,
    TooSmall,    // not zero, but all zeros with the automatic places
    BeyondRange, // not a finite number of ordinary size
};

// Writes a value already rounded to 15 digits (`zero` for zero) as a converted result is written: in the
// style, with the decimal mark. For a result too small to show, result is empty and tooSmallGeneral holds
// its general text (with a period); false then.
bool WriteResultDecimal(const Decimal15 &decimal, bool zero, ResultStyle style, int places, DecimalMark mark,
                        std::string &result, std::string &tooSmallGeneral);

// The same for a number computed elsewhere (a fire calculation): its 15-digit rounding written as above.
// Refuses a number that is not finite or lies beyond 1E+300, where a 15-digit text no longer reads back
// as the same number.
ResultTextStatus WriteResultNumber(double number, ResultStyle style, int places, DecimalMark mark,
                                   std::string &result, std::string &tooSmallGeneral);

} // namespace quorlex::conversion
