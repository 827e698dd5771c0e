#include "engine/Temperature.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace quorlex {

namespace {

constexpr UnitEntry kUnits[] = {
    {"- Fahrenheit", "degF", {"°F"}, {}},
    {"- Celsius", "degC", {"°C"}, {}},
    {"- Kelvin", "K", {}, {}},
};

// The reading of one degree of the row's scale on each column's scale, row by row in list order.
constexpr std::string_view kFactorText =
    " 1, -17.22222222, 255.9277778, 33.8, 1, 274.15, -457.87, -272.15, 1";

constexpr double kKelvinOffset = 273.15;

enum Scale { kFahrenheit = 0, kCelsius = 1, kKelvin = 2 };

} // namespace

std::span<const UnitEntry> Temperature::Units() {
    return kUnits;
}

std::string Temperature::FactorText() {
    return std::string(kFactorText);
}

Temperature::Temperature() : FormulaConverter(Units(), kFactorText) {}

FormulaConverter::Outcome Temperature::Apply(std::int32_t from, std::int32_t to, double v) const {
    // Beside each result, the largest of the formula's terms as they enter the result's unit: the typed
    // value scaled into it, and the offsets it adds or subtracts.
    const double q = 5.0 / 9.0;
    const double size = std::fabs(v);
    if (from == kFahrenheit) {
        return to == kCelsius
                   ? Outcome{(v - 32) * q, std::max(size * q, 32 * q)}
                   : Outcome{(v - 32) * q + kKelvinOffset, std::max({size * q, 32 * q, kKelvinOffset})};
    }
    if (from == kCelsius) {
        return to == kFahrenheit ? Outcome{v * 9 / 5 + 32, std::max(size * 9 / 5, 32.0)}
                                 : Outcome{v + kKelvinOffset, std::max(size, kKelvinOffset)};
    }
    return to == kFahrenheit ? Outcome{(v - kKelvinOffset) * 9 / 5 + 32,
                                       std::max({size * 9 / 5, kKelvinOffset * 9 / 5, 32.0})}
                             : Outcome{v - kKelvinOffset, std::max(size, kKelvinOffset)};
}

} // namespace quorlex
