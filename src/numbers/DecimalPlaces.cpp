#include "numbers/DecimalPlaces.h"

#include <algorithm>
#include <charconv>

namespace quorlex {

namespace {

// Characters after the first period, 0 without one.
int CharactersAfterPeriod(std::string_view text) {
    const auto period = text.find('.');
    return period == std::string_view::npos ? 0 : static_cast<int>(text.size() - period - 1);
}

} // namespace

int DecimalPlacesOfResult(std::string_view generalText) {
    const auto exponentMark = generalText.find_first_of("Ee");
    if (exponentMark == std::string_view::npos) {
        return std::min(CharactersAfterPeriod(generalText), kMaxDecimalPlaces);
    }
    const std::string_view mantissa = generalText.substr(0, exponentMark);
    std::string_view exponentText = generalText.substr(exponentMark + 1);
    if (!exponentText.empty() && exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    int exponent = 0;
    const auto [end, error] =
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (error != std::errc() || end != exponentText.data() + exponentText.size()) {
        return std::min(CharactersAfterPeriod(generalText), kMaxDecimalPlaces);
    }
    // The mantissa's digits after its period, trailing zeros dropped, shifted by the exponent.
    const auto period = mantissa.find('.');
    std::string_view fraction =
        period == std::string_view::npos ? std::string_view() : mantissa.substr(period + 1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    const long long places = static_cast<long long>(fraction.size()) - exponent;
    return static_cast<int>(std::clamp<long long>(places, 0, kMaxDecimalPlaces));
}

int DecimalPlacesOf(const Decimal15 &decimal) {
    return std::clamp(SignificantDigits(decimal) - 1 - decimal.exponent, 0, kMaxDecimalPlaces);
}

std::string FormatMaskFor(int places) {
    std::string mask = "########0";
    for (int i = 1; i <= places; ++i) {
        mask += i == 1 ? ".0" : "0";
    }
    return mask;
}

bool ShowsLeftJustified(std::string_view shownText) {
    return shownText.size() > 12;
}

} // namespace quorlex
