#include "numbers/DecimalDigits.h"

#include <charconv>

namespace quorlex {

Decimal15 ToDecimal15(double x) {
    // "-d.ddddddddddddddde-308" fits easily.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    const char *p = buffer;
    Decimal15 decimal;
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    decimal.digits[0] = *p++;
    ++p; // the period
    for (std::size_t i = 1; i < decimal.digits.size(); ++i) {
        decimal.digits[i] = *p++;
    }
    ++p; // 'e'
    const bool negativeExponent = *p == '-';
    ++p;
    int exponent = 0;
    std::from_chars(p, result.ptr, exponent);
    decimal.exponent = negativeExponent ? -exponent : exponent;
    return decimal;
}

} // namespace quorlex
