#include "engine/Temperature.h"

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
    const double q = 5.0 / 9.0;
    if (from == kFahrenheit) {
        return to == kCelsius ? Outcome{(v - 32) * q, 32}
                              : Outcome{(v - 32) * q + kKelvinOffset, kKelvinOffset};
    }
    if (from == kCelsius) {
        return to == kFahrenheit ? Outcome{v * 9 / 5 + 32, 32} : Outcome{v + kKelvinOffset, kKelvinOffset};
    }
    return to == kFahrenheit ? Outcome{(v - kKelvinOffset) * 9 / 5 + 32, kKelvinOffset}
                             : Outcome{v - kKelvinOffset, kKelvinOffset};
}

} // namespace quorlex
