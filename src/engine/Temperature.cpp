#include "engine/Temperature.h"

#include "errors/RuntimeError.h"

#include <cmath>
#include <string>
#include <string_view>

namespace quorlex {

namespace {

// The reading of one degree of the row's scale on each column's scale (Fahrenheit, Celsius, Kelvin). The
// conversion itself uses the formulas below; this matrix only describes the scales.
constexpr std::string_view kRow0 = " 1, -17.22222222, 255.9277778,"; // Fahrenheit
constexpr std::string_view kRow1 = " 33.8, 1, 274.15,";              // Celsius
constexpr std::string_view kRow2 = " -457.87, -272.15, 1";           // Kelvin

constexpr double kKelvinOffset = 273.15;

enum Scale { kFahrenheit = 0, kCelsius = 1, kKelvin = 2 };

} // namespace

std::string Temperature::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2});
}

Temperature::Temperature() : ConverterBase(kUnits, FactorText()) {}

Variant Temperature::Compute() {
    const std::int32_t from = SourceUnits();
    const std::int32_t to = DesiredUnits();
    if (from < 0 || from >= kUnits || to < 0 || to >= kUnits) {
        SetConversionFactor(0.0);
        return Variant{};
    }
    if (from == to) {
        SetConversionFactor(0.0);
        return StoredValue();
    }

    const double v = NumericValue(StoredValue(), ClassName());
    const double q = 5.0 / 9.0;
    double result = 0.0;
    if (from == kFahrenheit) {
        result = to == kCelsius ? (v - 32) * q : (v - 32) * q + kKelvinOffset;
    } else if (from == kCelsius) {
        result = to == kFahrenheit ? v * 9 / 5 + 32 : v + kKelvinOffset;
    } else {
        result = to == kFahrenheit ? (v - kKelvinOffset) * 9 / 5 + 32 : v - kKelvinOffset;
    }
    if (!std::isfinite(result)) {
        RaiseStandardError(kErrOverflow, ClassName());
    }
    SetConversionFactor(0.0);
    return result;
}

} // namespace quorlex
