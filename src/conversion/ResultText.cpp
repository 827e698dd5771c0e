#include "conversion/ResultText.h"

#include "numbers/DecimalPlaces.h"
#include "numbers/GeneralText.h"
#include "numbers/RenderWithMask.h"

#include <algorithm>
#include <cmath>

namespace quorlex::conversion {

namespace {

constexpr double kLargestWritten = 1E300;

// Whether a shown text has no digit but zeros.
bool ShowsZero(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
}

} // namespace

bool WriteResultDecimal(const Decimal15 &decimal, bool zero, ResultStyle style, int places, DecimalMark mark,
                        std::string &result, std::string &tooSmallGeneral) {
    switch (style) {
    case ResultStyle::General:
        if (zero) {
            result += '0';
        } else {
            AppendGeneralText(decimal, result);
        }
        break;
    case ResultStyle::Places:
        AppendFixed(decimal, places, result);
        break;
    case ResultStyle::Automatic:
        AppendFixed(decimal, DecimalPlacesOf(decimal), result);
        if (!zero && ShowsZero(result)) {
            tooSmallGeneral.clear();
            AppendGeneralText(decimal, tooSmallGeneral);
            result.clear();
            return false;
        }
        break;
    }
    ApplyDecimalMark(result, mark);
    return true;
}

ResultTextStatus WriteResultNumber(double number, ResultStyle style, int places, DecimalMark mark,
                                   std::string &result, std::string &tooSmallGeneral) {
    result.clear();
    if (!std::isfinite(number) || std::fabs(number) >= kLargestWritten) {
        return ResultTextStatus::BeyondRange;
    }
    const bool zero = number == 0.0;
    if (!WriteResultDecimal(ToDecimal15(zero ? 0.0 : number), zero, style, places, mark, result,
                            tooSmallGeneral)) {
        ApplyDecimalMark(tooSmallGeneral, mark);
        return ResultTextStatus::TooSmall;
    }
    return ResultTextStatus::Written;
}

} // namespace quorlex::conversion
