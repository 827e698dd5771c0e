#include "engine/FormulaConverter.h"

#include "errors/RuntimeError.h"
#include "numbers/DoubleText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

namespace quorlex {

namespace {

// The powers of ten a formula's result is rounded with, each the double nearest to it. They are read from
// their decimal texts, which every platform's library reads the same way; the C library's pow does not
// round them alike everywhere (MinGW-w64's is several units in the last place off), and a converted value
// must not depend on where the program runs.
constexpr int kLowestPower = -307; // the smallest exponent whose power is a normal double
constexpr int kHighestPower = 308;
constexpr std::size_t kPowerCount = kHighestPower - kLowestPower + 1;

// n from kLowestPower up; beyond kHighestPower the power is no finite double.
double PowerOfTen(int n) {
    static const auto powers = [] {
        std::array<double, kPowerCount> table{};
        int exponent = kLowestPower;
        for (double &power : table) {
            std::array<char, 8> text{'1', 'e'};
            const auto written = std::to_chars(text.data() + 2, text.data() + text.size(), exponent++);
            ReadDouble(text.data(), written.ptr, power);
        }
        return table;
    }();
    if (n > kHighestPower) {
        return std::numeric_limits<double>::infinity();
    }
    return powers[static_cast<std::size_t>(n - kLowestPower)];
}

// The exponent of x (finite, above 0) in scientific notation: floor(log10(x)), exactly, from 1E-307 up;
// below, -307. The logarithm is only a first guess: next to a power of ten it can be a unit off, and
// differently on each platform.
int DecimalExponent(double x) {
    int k = std::clamp(static_cast<int>(std::floor(std::log10(x))), kLowestPower, kHighestPower);
    while (k > kLowestPower && x < PowerOfTen(k)) {
        --k;
    }
    while (k < kHighestPower && x >= PowerOfTen(k + 1)) {
        ++k;
    }
    return k;
}

} // namespace

FormulaConverter::FormulaConverter(std::span<const UnitEntry> units, std::string_view factorText)
    : ConverterBase(static_cast<std::int16_t>(units.size()), factorText),
      unitCount_(static_cast<std::int32_t>(units.size())) {}

Variant FormulaConverter::Compute() {
    const std::int32_t from = SourceUnits();
    const std::int32_t to = DesiredUnits();
    SetConversionFactor(0.0);
    if (from < 0 || from >= unitCount_ || to < 0 || to >= unitCount_) {
        return Variant{};
    }
    if (from == to) {
        return StoredValue();
    }
    const double v = NumericValue(StoredValue(), ClassName());
    // A result next to the largest double can round past it in its 15th digit: that is as much an
    // overflow as the formula's own.
    const double result = WithoutNoise(Apply(from, to, v));
    if (!std::isfinite(result)) {
        RaiseStandardError(kErrOverflow, ClassName());
    }
    return result;
}

double FormulaConverter::WithoutNoise(Outcome outcome) {
    const double r = outcome.value;
    const double largest = std::max(std::fabs(r), std::fabs(outcome.largestTerm));
    if (largest == 0.0 || !std::isfinite(largest)) {
        return r == 0.0 ? 0.0 : r;
    }
    // The unit of the 15th significant digit of the largest magnitude is 10^e; scaling by that power of
    // ten (or dividing by it) brings the place to the units, where it is rounded.
    const int e = DecimalExponent(largest) - 14;
    double rounded = 0.0;
    if (e < 0) {
        const double scale = PowerOfTen(-e);
        const double scaled = r * scale;
        rounded = std::isfinite(scaled) ? std::round(scaled) / scale : r;
    } else {
        const double unit = PowerOfTen(e);
        rounded = std::round(r / unit) * unit;
    }
    return rounded == 0.0 ? 0.0 : rounded;
}

} // namespace quorlex
