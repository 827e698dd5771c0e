#include "numbers/GeneralText.h"

#include "errors/RuntimeError.h"
#include "numbers/DecimalDigits.h"

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
    const Decimal15 decimal = ToDecimal15(x);
    int significant = static_cast<int>(decimal.digits.size());
    while (significant > 1 && decimal.digits[static_cast<std::size_t>(significant - 1)] == '0') {
        --significant;
    }
    const auto digit = [&](int i) {
        return i < significant ? decimal.digits[static_cast<std::size_t>(i)] : '0';
    };
    const int e = decimal.exponent;

    std::string text;
    text.reserve(32);
    if (decimal.negative) {
        text += '-';
    }
    if (e >= -4 && e < 15) {
        if (e >= 0) {
            for (int i = 0; i <= e; ++i) {
                text += digit(i);
            }
            if (significant > e + 1) {
                text += '.';
                for (int i = e + 1; i < significant; ++i) {
                    text += digit(i);
                }
            }
        } else {
            text += "0.";
            text.append(static_cast<std::size_t>(-e - 1), '0');
            for (int i = 0; i < significant; ++i) {
                text += digit(i);
            }
        }
        return text;
    }

    text += digit(0);
    if (significant > 1) {
        text += '.';
        for (int i = 1; i < significant; ++i) {
            text += digit(i);
        }
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
    return text;
}

} // namespace quorlex
