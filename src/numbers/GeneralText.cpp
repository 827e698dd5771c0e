#include "numbers/GeneralText.h"

#include "errors/RuntimeError.h"

#include <charconv>
#include <cmath>

namespace quorlex {

std::string GeneralText(double x) {
    if (!std::isfinite(x)) {
        RaiseStandardError(kErrOverflow, "Quorlex.GeneralText");
    }
    if (x == 0.0) {
        return "0";
    }
    std::string text;
    AppendGeneralText(ToDecimal15(x), text);
    return text;
}

void AppendGeneralText(const Decimal15 &decimal, std::string &text) {
    const int significant = SignificantDigits(decimal);
    const char *digits = decimal.digits.data();
    const int e = decimal.exponent;
    if (decimal.negative) {
        text += '-';
    }
    if (e >= -4 && e < 15) {
        if (e >= 0) {
            // The integer digits, then the rest of the significant ones after a period.
            if (significant > e + 1) {
                const auto integerDigits = static_cast<std::size_t>(e) + 1;
                text.append(digits, integerDigits);
                text += '.';
                text.append(digits + e + 1, static_cast<std::size_t>(significant - e - 1));
            } else {
                text.append(digits, static_cast<std::size_t>(significant));
                text.append(static_cast<std::size_t>(e + 1 - significant), '0');
            }
        } else {
            text += "0.";
            text.append(static_cast<std::size_t>(-e - 1), '0');
            text.append(digits, static_cast<std::size_t>(significant));
        }
        return;
    }
    text += digits[0];
    if (significant > 1) {
        text += '.';
        text.append(digits + 1, static_cast<std::size_t>(significant - 1));
    }
    text += 'E';
    text += e < 0 ? '-' : '+';
    const int magnitude = e < 0 ? -e : e;
    if (magnitude < 10) {
        text += '0';
    }
    char exponentDigits[8];
    const auto written = std::to_chars(exponentDigits, exponentDigits + sizeof exponentDigits, magnitude);
    text.append(exponentDigits, written.ptr);
}

} // namespace quorlex
