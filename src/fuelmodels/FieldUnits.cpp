#include "fuelmodels/FieldUnits.h"

#include "definitions/UnitDefinitions.h"
#include "numbers/DoubleText.h"

#include <stdexcept>

namespace quorlex::fuelmodels {

namespace {

using definitions::BigNatural;
using definitions::ExactRatio;

constexpr std::size_t kMostDigits = 40;
constexpr int kLargestExponent = 30;

// The exact ratio of two unit expressions' sizes, from the units' definitions and their sources: the
// short ton of 2000 lb and the pound of 0.45359237 kg, the acre of 43560 international square feet and
// the foot of 0.3048 m, the hectare of 10000 m2 and the International Table BTU of 1055.05585262 J, so
// that 1 BTU/lb is 2.326 kJ/kg.
ExactRatio RatioOf(std::string_view from, std::string_view to) {
    const auto a = definitions::Evaluate(from);
    const auto b = definitions::Evaluate(to);
    if (!a || !b || !(a->dimension == b->dimension)) {
        throw std::logic_error("fuel model units without a common definition");
    }
    return a->size / b->size;
}

// round(numerator / denominator), halves away from zero.
BigNatural RoundedQuotient(const BigNatural &numerator, const BigNatural &denominator) {
    BigNatural quotient;
    BigNatural remainder;
    BigNatural::Divide(numerator, denominator, quotient, remainder);
    if (Compare(remainder + remainder, denominator) >= 0) {
        quotient = quotient + BigNatural(1);
    }
    return quotient;
}

// digits / 10^places as decimal text.
std::string WithPoint(const BigNatural &digits, int places) {
    std::string text = digits.DecimalText();
    if (places <= 0) {
        return text;
    }
    const auto count = static_cast<std::size_t>(places);
    if (text.size() <= count) {
        text.insert(0, count + 1 - text.size(), '0');
    }
    text.insert(text.size() - count, 1, '.');
    return text;
}

} // namespace

std::string_view SystemWord(UnitSystem system) {
    return system == UnitSystem::English ? "ENGLISH" : "METRIC";
}

Quantity QuantityOf(Field field) {
    switch (field) {
    case Field::Load1h:
    case Field::Load10h:
    case Field::Load100h:
    case Field::LoadHerb:
    case Field::LoadWoody:
        return Quantity::Load;
    case Field::Sav1h:
    case Field::SavHerb:
    case Field::SavWoody:
        return Quantity::Sav;
    case Field::Depth:
        return Quantity::Depth;
    case Field::Extinction:
        return Quantity::Percent;
    case Field::HeatDead:
    case Field::HeatLive:
        break;
    }
    return Quantity::Heat;
}

std::string_view UnitOf(Quantity quantity, UnitSystem system) {
    const bool english = system == UnitSystem::English;
    switch (quantity) {
    case Quantity::Load:
        return english ? "ton/ac" : "t/ha";
    case Quantity::Sav:
        return english ? "1/ft" : "1/cm";
    case Quantity::Depth:
        return english ? "ft" : "cm";
    case Quantity::Percent:
        return "%";
    case Quantity::Heat:
        break;
    }
    return english ? "BTU/lb" : "kJ/kg";
}

const ExactRatio &EnglishToMetric(Quantity quantity) {
    static const ExactRatio load = RatioOf("ton / ac", "t / ha");
    static const ExactRatio sav = RatioOf("ft^-1", "cm^-1");
    static const ExactRatio depth = RatioOf("ft", "cm");
    static const ExactRatio one;
    static const ExactRatio heat = RatioOf("BTU / lb", "1000 J / kg");
    switch (quantity) {
    case Quantity::Load:
        return load;
    case Quantity::Sav:
        return sav;
    case Quantity::Depth:
        return depth;
    case Quantity::Percent:
        return one;
    case Quantity::Heat:
        break;
    }
    return heat;
}

std::string_view FieldLabel(Field field) {
    static constexpr std::string_view kLabels[kFieldCount] = {
        "1-h load",          "10-h load",        "100-h load",     "live herb load", "live woody load",
        "1-h SAV",           "live herb SAV",    "live woody SAV", "depth",          "extinction moisture",
        "dead heat content", "live heat content"};
    return kLabels[static_cast<int>(field)];
}

std::optional<DecimalNumber> ReadDecimal(std::string_view text) {
    DecimalNumber number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        number.negative = text[i] == '-';
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    std::string digits;
    int decimals = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (!(digits.empty() && c == '0')) {
                digits += c;
            }
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit || digits.size() > kMostDigits) {
        return std::nullopt;
    }
    int exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t start = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && exponent <= kLargestExponent; ++i) {
            exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == start || exponent > kLargestExponent) {
            return std::nullopt;
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    number.digits = digits;
    number.scale = decimals - exponent;
    return number;
}

std::string ConvertDecimal(std::string_view text, const DecimalNumber &number, const ExactRatio &factor,
                           bool inverse, bool wholeNumbers) {
    if (number.digits.empty()) {
        return std::string(text);
    }
    const BigNatural &up = inverse ? factor.Denominator() : factor.Numerator();
    const BigNatural &down = inverse ? factor.Numerator() : factor.Denominator();
    const BigNatural digits = BigNatural::FromDigits(number.digits);
    // The value is digits / 10^scale: shift whichever side a negative scale leaves.
    const BigNatural value = number.scale < 0 ? digits * BigNatural::PowerOfTen(-number.scale) : digits;
    const BigNatural valueDown = number.scale > 0 ? BigNatural::PowerOfTen(number.scale) : BigNatural(1);
    const int places = number.scale > 0 ? number.scale : 0;
    // The original at its own decimals, to compare with the round trip.
    const BigNatural original = number.scale < 0 ? value : digits;
    // As many significant digits as the original shows, unless the field is written in whole numbers.
    const std::size_t significant = number.digits.size();

    BigNatural written;
    int decimals = 0;
    for (; decimals <= places + 12; ++decimals) {
        written = RoundedQuotient(value * up * BigNatural::PowerOfTen(decimals), valueDown * down);
        const BigNatural back = RoundedQuotient(written * down * BigNatural::PowerOfTen(places),
                                                up * BigNatural::PowerOfTen(decimals));
        if (back == original && (wholeNumbers || written.DecimalText().size() >= significant)) {
            break;
        }
    }
    std::string result = number.negative ? "-" : "";
    result += WithPoint(written, decimals);
    return result;
}

std::optional<std::string> ConvertField(Quantity quantity, std::string_view text, UnitSystem from,
                                        UnitSystem to) {
    const auto number = ReadDecimal(text);
    if (!number) {
        return std::nullopt;
    }
    if (from == to || quantity == Quantity::Percent) {
        return std::string(text);
    }
    // English ratios and heat contents are whole numbers in the file's format: no decimals beyond those
    // the round trip needs.
    const bool wholeNumbers =
        to == UnitSystem::English && (quantity == Quantity::Sav || quantity == Quantity::Heat);
    return ConvertDecimal(text, *number, EnglishToMetric(quantity), from == UnitSystem::Metric, wholeNumbers);
}

std::optional<double> ValueOf(std::string_view text) {
    if (!ReadDecimal(text)) {
        return std::nullopt;
    }
    double value = 0;
    const char *first = text.data();
    if (!text.empty() && text[0] == '+') {
        ++first;
    }
    const auto [end, error] = ReadDouble(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace quorlex::fuelmodels
