#include "numbers/RenderWithMask.h"

#include "errors/RuntimeError.h"
#include "numbers/DecimalDigits.h"

#include <cmath>
#include <string>

namespace quorlex {

std::string RenderFixed(double v, int places) {
    if (!std::isfinite(v)) {
        RaiseStandardError(kErrOverflow, "Quorlex.RenderWithMask");
    }
    const int n = places < 0 ? 0 : places;

    // The kept digits, most significant first, and the decimal exponent of the first of them. An empty
    // digit list means the value rounds to zero.
    std::string digits;
    int exponent = 0;
    bool negative = false;
    if (v != 0.0) {
        const Decimal15 decimal = ToDecimal15(v);
        negative = decimal.negative;
        exponent = decimal.exponent;
        const long long keep = static_cast<long long>(decimal.exponent) + n + 1;
        if (keep >= static_cast<long long>(decimal.digits.size())) {
            digits.assign(decimal.digits.begin(), decimal.digits.end());
        } else if (keep >= 0) {
            digits.assign(decimal.digits.begin(), decimal.digits.begin() + keep);
            if (decimal.digits[static_cast<std::size_t>(keep)] >= '5') {
                // Round away from zero, carrying to the left.
                auto position = digits.size();
                while (position > 0 && digits[position - 1] == '9') {
                    digits[--position] = '0';
                }
                if (position == 0) {
                    digits.insert(digits.begin(), '1');
                    ++exponent;
                } else {
                    ++digits[position - 1];
                }
            }
        }
        if (digits.find_first_not_of('0') == std::string::npos) {
            digits.clear();
        }
    }

    // The digit at decimal place p (10^p), taken from the kept digits.
    const auto digitAt = [&](long long p) {
        const long long index = exponent - p;
        if (index < 0 || index >= static_cast<long long>(digits.size())) {
            return '0';
        }
        return digits[static_cast<std::size_t>(index)];
    };

    std::string text;
    if (negative && !digits.empty()) {
        text += '-';
    }
    if (digits.empty() || exponent < 0) {
        text += '0';
    } else {
        for (long long p = exponent; p >= 0; --p) {
            text += digitAt(p);
        }
    }
    if (n > 0) {
        text += '.';
        for (long long p = -1; p >= -static_cast<long long>(n); --p) {
            text += digits.empty() ? '0' : digitAt(p);
        }
    }
    return text;
}

int MaskPlaces(std::string_view mask) {
    const auto period = mask.find('.');
    return period == std::string_view::npos ? 0 : static_cast<int>(mask.size() - period - 1);
}

std::string RenderWithMask(double v, std::string_view mask) {
    return RenderFixed(v, MaskPlaces(mask));
}

} // namespace quorlex
