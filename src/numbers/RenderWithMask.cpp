#include "numbers/RenderWithMask.h"

#include "errors/RuntimeError.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quorlex {

std::string RenderFixed(double v, int places) {
    if (!std::isfinite(v)) {
        RaiseStandardError(kErrOverflow, "Quorlex.RenderWithMask");
    }
    std::string text;
    AppendFixed(ToDecimal15(v), places, text);
    return text;
}

void AppendFixed(const Decimal15 &decimal, int places, std::string &text) {
    const int n = places < 0 ? 0 : places;
    // The kept digits, most significant first, and the decimal exponent of the first of them. No kept
    // digits means the value rounds to zero. One more than 15 digits is room for a carry ("999.5" to 0
    // places keeps "1000").
    char digits[16];
    int count = 0;
    int exponent = decimal.exponent;
    const long long keep = static_cast<long long>(decimal.exponent) + n + 1;
    const int total = static_cast<int>(decimal.digits.size());
    if (keep >= total) {
        std::copy(decimal.digits.begin(), decimal.digits.end(), digits);
        count = total;
    } else if (keep >= 0) {
        count = static_cast<int>(keep);
        std::copy(decimal.digits.begin(), decimal.digits.begin() + count, digits);
        if (decimal.digits[static_cast<std::size_t>(count)] >= '5') {
            // Round away from zero, carrying to the left.
            int position = count;
            while (position > 0 && digits[position - 1] == '9') {
                digits[--position] = '0';
            }
            if (position == 0) {
                std::copy_backward(digits, digits + count, digits + count + 1);
                digits[0] = '1';
                ++count;
                ++exponent;
            } else {
                ++digits[position - 1];
            }
        }
    }
    if (std::all_of(digits, digits + count, [](char c) { return c == '0'; })) {
        count = 0;
    }

    if (decimal.negative && count > 0) {
        text += '-';
    }
    // The integer part: the kept digits down to 10^0, zeros for the places below the last kept digit.
    if (count == 0 || exponent < 0) {
        text += '0';
    } else {
        const int integerDigits = exponent + 1;
        const int fromDigits = std::min(integerDigits, count);
        text.append(digits, static_cast<std::size_t>(fromDigits));
        text.append(static_cast<std::size_t>(integerDigits - fromDigits), '0');
    }
    if (n == 0) {
        return;
    }
    text += '.';
    if (count == 0) {
        text.append(static_cast<std::size_t>(n), '0');
        return;
    }
    // Decimal place p (1 = tenths) holds the digit at index exponent + p, when there is one.
    for (int p = 1; p <= n; ++p) {
        const long long index = static_cast<long long>(exponent) + p;
        text += index >= 0 && index < count ? digits[index] : '0';
    }
}

int MaskPlaces(std::string_view mask) {
    const auto period = mask.find('.');
    return period == std::string_view::npos ? 0 : static_cast<int>(mask.size() - period - 1);
}

std::string RenderWithMask(double v, std::string_view mask) {
    return RenderFixed(v, MaskPlaces(mask));
}

} // namespace quorlex
