#include "engine/UnitFormulas.h"

#include "engine/Catalogue.h"
#include "engine/Slope.h"
#include "engine/Temperature.h"

#include <cmath>
#include <numbers>

namespace quorlex {

namespace {

// A unit's sign as the user writes it: its first alias outside ASCII ("°F"), else its symbol ("K", "%").
std::string_view SignOf(const UnitEntry &unit) {
    for (const std::string_view alias : unit.aliases) {
        if (!alias.empty() && (static_cast<unsigned char>(alias.front()) & 0x80) != 0) {
            return alias;
        }
    }
    return unit.symbol;
}

double TangentOfDegrees(double degrees) {
    return std::tan(degrees * std::numbers::pi / 180);
}

double DegreesOfArcTangent(double ratio) {
    return std::atan(ratio) * 180 / std::numbers::pi;
}

// Temperature: Fahrenheit, Celsius, Kelvin.
Formula TemperatureFormula(int from, int to, const Formula &v) {
    enum { kFahrenheit = 0, kCelsius = 1 };
    const Formula nineFifths = Formula::Number(9.0 / 5.0, "9/5");
    const Formula fiveNinths = Formula::Number(5.0 / 9.0, "5/9");
    const Formula freezing = Formula::Number(32, "32");
    const Formula kelvinOffset = Formula::Number(273.15, "273.15");
    // Celsius first, then the result's scale.
    Formula celsius = from == kFahrenheit ? (v - freezing) * fiveNinths
                      : from == kCelsius  ? v
                                          : v - kelvinOffset;
    if (to == kFahrenheit) {
        return celsius * nineFifths + freezing;
    }
    return to == kCelsius ? celsius : celsius + kelvinOffset;
}

// Slope: degrees, percent.
Formula SlopeFormula(int from, const Formula &v) {
    const Formula hundred = Formula::Number(100, "100");
    if (from == 0) {
        return Formula::Call("tan", &TangentOfDegrees, v) * hundred;
    }
    return Formula::Call("atan", &DegreesOfArcTangent, v / hundred);
}

} // namespace

std::optional<Formula> UnitFormula(int category, int from, int to) {
    const CategoryEntry &entry = Catalogue()[static_cast<std::size_t>(category)];
    const bool temperature = entry.className == Temperature::kClassName;
    if (!temperature && entry.className != Slope::kClassName) {
        return std::nullopt;
    }
    const Formula v = Formula::Quantity(SignOf(entry.units[static_cast<std::size_t>(from)]));
    if (from == to) {
        return v;
    }
    return temperature ? TemperatureFormula(from, to, v) : SlopeFormula(from, v);
}

std::string UnitFormulaText(int category, int from, int to) {
    const auto formula = UnitFormula(category, from, to);
    if (!formula) {
        return {};
    }
    const auto &units = Catalogue()[static_cast<std::size_t>(category)].units;
    return EquationText(SignOf(units[static_cast<std::size_t>(to)]), *formula);
}

} // namespace quorlex
