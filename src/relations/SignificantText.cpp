#include "relations/SignificantText.h"

#include "numbers/DecimalDigits.h"
#include "numbers/RenderWithMask.h"

#include <algorithm>

namespace quorlex::relations {

std::string SignificantText(double value, int digits) {
    if (value == 0.0) {
        return "0";
    }
    digits = std::clamp(digits, 1, 15);
    Decimal15 decimal = ToDecimal15(value);
    const auto kept = static_cast<std::size_t>(digits);
    const bool up = kept < decimal.digits.size() && decimal.digits[kept] >= '5';
    for (std::size_t i = kept; i < decimal.digits.size(); ++i) {
        decimal.digits[i] = '0';
    }
    if (up) {
        std::size_t i = kept;
        while (i > 0 && decimal.digits[i - 1] == '9') {
            decimal.digits[--i] = '0';
        }
        if (i == 0) {
            decimal.digits[0] = '1'; // 999 rounds up to 1000: one digit more before the point
            ++decimal.exponent;
        } else {
            ++decimal.digits[i - 1];
        }
    }
    std::string text;
    AppendFixed(decimal, std::max(0, digits - 1 - decimal.exponent), text);
    return text;
}

} // namespace quorlex::relations
