#include "numbers/Power.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace quorlex {
namespace {

// A double-double: the unevaluated sum hi + lo with |lo| at most half a unit in the last place of hi.
struct Wide {
    double hi;
    double lo;
};

// a + b exactly as a double-double (Knuth's two-sum, any order of magnitudes).
constexpr Wide TwoSum(double a, double b) {
    const double sum = a + b;
    const double b1 = sum - a;
    const double a1 = sum - b1;
    return {sum, (a - a1) + (b - b1)};
}

// a + b exactly, for |a| >= |b| (Dekker's fast two-sum).
constexpr Wide FastTwoSum(double a, double b) {
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a split into two halves of 26 bits each whose sum is a (Veltkamp), so that products of halves are exact
// without a fused multiply-add. |a| stays far below 2^996 here, so the scaling does not overflow.
constexpr Wide Split(double a) {
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    const double scaled = kSplitter * a;
    const double high = scaled - (scaled - a);
    return {high, a - high};
}

// a * b exactly as a double-double (Dekker's two-product).
constexpr Wide TwoProduct(double a, double b) {
    const double product = a * b;
    const Wide sa = Split(a);
    const Wide sb = Split(b);
    const double error = ((sa.hi * sb.hi - product) + sa.hi * sb.lo + sa.lo * sb.hi) + sa.lo * sb.lo;
    return {product, error};
}

constexpr Wide Add(Wide a, Wide b) {
    const Wide sum = TwoSum(a.hi, b.hi);
    const Wide low = TwoSum(a.lo, b.lo);
    const Wide first = FastTwoSum(sum.hi, sum.lo + low.hi);
    return FastTwoSum(first.hi, first.lo + low.lo);
}

// a + b where no cancellation can occur (terms of a series added to a larger coefficient): one two-sum
// of the high parts, good to about 2^-104 relative in that case.
constexpr Wide AddQuick(Wide a, Wide b) {
    const Wide sum = TwoSum(a.hi, b.hi);
    return FastTwoSum(sum.hi, sum.lo + (a.lo + b.lo));
}

constexpr Wide Multiply(Wide a, Wide b) {
    const Wide product = TwoProduct(a.hi, b.hi);
    return FastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

constexpr Wide Multiply(Wide a, double b) {
    const Wide product = TwoProduct(a.hi, b);
    return FastTwoSum(product.hi, product.lo + a.lo * b);
}

constexpr Wide Divide(Wide a, Wide b) {
    const double first = a.hi / b.hi;
    const Wide remainder = Add(a, Multiply(b, -first));
    const double second = remainder.hi / b.hi;
    const Wide rest = Add(remainder, Multiply(b, -second));
    return Add(FastTwoSum(first, second), {rest.hi / b.hi, 0.0});
}

constexpr Wide Reciprocal(double d) {
    return Divide({1.0, 0.0}, {d, 0.0});
}

// ln 2 to about 107 bits.
constexpr Wide kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr double kInverseLn2 = 0x1.71547652b82fep0;

// 1/n for n = 1 .. kSlowTerms as double-doubles, for the slow series below.
constexpr int kSlowTerms = 50;

constexpr auto kReciprocals = [] {
    std::array<Wide, kSlowTerms + 1> table{};
    for (int n = 1; n <= kSlowTerms; ++n) {
        table[n] = Reciprocal(n);
    }
    return table;
}();

// ln v for v in [2/3, 4/3], to the full double-double precision, slowly: with s = (v - 1) / (v + 1),
// |s| <= 1/5, ln v = 2s (1 + s^2/3 + s^4/5 + ...). Only used to build the table below while compiling.
constexpr Wide SlowLog(double v) {
    constexpr int kTerms = 24; // (1/25)^24 < 2^-110
    const Wide s = Divide({v - 1.0, 0.0}, TwoSum(v, 1.0));
    const Wide z = Multiply(s, s);
    Wide sum{0.0, 0.0};
    for (int k = kTerms - 1; k >= 0; --k) {
        sum = Add(kReciprocals[2 * k + 1], Multiply(z, sum));
    }
    return Multiply(Multiply(s, sum), 2.0);
}

// e^r for |r| < 0.7, to the full double-double precision by its Taylor series, slowly; only used to build
// the table below while compiling.
constexpr Wide SlowExp(Wide r) {
    constexpr int kTerms = 30; // 0.7^30 / 30! < 2^-120
    Wide sum{0.0, 0.0};
    for (int n = kTerms - 1; n >= 1; --n) {
        sum = Add({1.0, 0.0}, Multiply(Multiply(r, sum), kReciprocals[n]));
    }
    return sum;
}

// ln m for m in [3/4, 3/2) is ln c + ln(m / c) for the nearest c = 3/4 + i / kLogSteps, with
// |m / c - 1| <= 2 / (3 kLogSteps). 1 / c is held rounded to a double, and the table the exact ln of its
// reciprocal, so that only m (1 / c) - 1 needs computing, exactly as a double-double. c = 1 is one of the
// steps, with 1 / c = 1 and ln c = 0, so that ln m keeps its full relative precision next to m = 1.
constexpr int kLogSteps = 256;
constexpr int kLogTableSize = 3 * kLogSteps / 4 + 1;

struct LogStep {
    double inverse; // about 1 / c
    Wide lnInverse; // ln(1 / inverse), to about 107 bits
};

constexpr auto kLogTable = [] {
    std::array<LogStep, kLogTableSize> table{};
    for (int i = 0; i < kLogTableSize; ++i) {
        const double inverse = 1.0 / (0.75 + static_cast<double>(i) / kLogSteps);
        const Wide ln = SlowLog(inverse);
        table[i] = {inverse, {-ln.hi, -ln.lo}};
    }
    return table;
}();

// 2^(j / kExpSteps) for j = 0 .. kExpSteps - 1, as double-doubles.
constexpr int kExpSteps = 64;

constexpr auto kExpTable = [] {
    std::array<Wide, kExpSteps> table{};
    for (int j = 0; j < kExpSteps; ++j) {
        table[j] = SlowExp(Multiply(kLn2, static_cast<double>(j) / kExpSteps));
    }
    return table;
}();

// c[0] + c[1] r + c[2] r^2 + ... by Horner's rule: the small terms from c[wideTerms] on in doubles, the
// first wideTerms, which carry the precision, in double-doubles.
template <std::size_t N>
Wide SeriesSum(const std::array<Wide, N> &c, Wide r, int wideTerms) {
    double tail = 0.0;
    for (int n = static_cast<int>(N) - 1; n >= wideTerms; --n) {
        tail = c[n].hi + r.hi * tail;
    }
    Wide sum{tail, 0.0};
    for (int n = wideTerms - 1; n >= 0; --n) {
        sum = AddQuick(c[n], Multiply(r, sum));
    }
    return sum;
}

// ln m for m in [3/4, 3/2). With r = m / c - 1, |r| <= 2^-8, ln(1 + r) = r (1 - r/2 + r^2/3 - ...): the
// terms from r^5/5 on add less than 2^-32 to the sum, so they are summed in doubles; the first four,
// which carry the precision, in double-doubles.
Wide LogOfMantissa(double m) {
    constexpr int kWideTerms = 4;
    constexpr int kTerms = 14; // (2^-8)^13 = 2^-104
    constexpr auto kCoefficients = [] {
        std::array<Wide, kTerms> table{};
        for (int n = 1; n <= kTerms; ++n) {
            const Wide inverse = Reciprocal(n);
            table[n - 1] = n % 2 == 1 ? inverse : Wide{-inverse.hi, -inverse.lo};
        }
        return table;
    }();
    const LogStep &step = kLogTable[static_cast<std::size_t>(std::lround((m - 0.75) * kLogSteps))];
    const Wide product = TwoProduct(m, step.inverse);
    const Wide r = FastTwoSum(product.hi - 1.0, product.lo); // product.hi - 1 is exact near 1
    return Add(step.lnInverse, Multiply(r, SeriesSum(kCoefficients, r, kWideTerms)));
}

// e^r for |r| <= ln 2 / (2 kExpSteps) < 0.0055 by its Taylor series: the terms from r^4/4! on are below
// 2^-33 and summed in doubles, the first four in double-doubles.
Wide ExpOfReduced(Wide r) {
    constexpr int kWideTerms = 4;
    constexpr int kTerms = 11; // 0.0055^11 / 11! < 2^-108
    // 1/n! as double-doubles; n! is exact in a double up to 22!.
    constexpr auto kCoefficients = [] {
        std::array<Wide, kTerms> table{};
        double factorial = 1.0;
        for (int n = 0; n < kTerms; ++n) {
            factorial *= n > 0 ? n : 1;
            table[n] = Reciprocal(factorial);
        }
        return table;
    }();
    return SeriesSum(kCoefficients, r, kWideTerms);
}

// Whether y, finite, is an integer, and whether an odd one.
struct IntegerKind {
    bool integer;
    bool odd;
};

IntegerKind KindOf(double y) {
    constexpr double kAllIntegers = 0x1p53; // every double this large is an even integer
    if (std::fabs(y) >= kAllIntegers) {
        return {true, false};
    }
    const auto whole = static_cast<std::int64_t>(y);
    return {static_cast<double>(whole) == y, whole % 2 != 0};
}

// e^t for t = y ln x, |t| < 746: t = (k kExpSteps + j) ln 2 / kExpSteps + r with |r| <= ln 2 / (2 kExpSteps),
// e^t = 2^k 2^(j / kExpSteps) e^r.
double ExpOf(Wide t) {
    constexpr Wide kStep{kLn2.hi / kExpSteps, kLn2.lo / kExpSteps}; // exact scalings by a power of two
    const double nearest = t.hi * (kInverseLn2 * kExpSteps);
    const auto steps = static_cast<int>(nearest < 0.0 ? nearest - 0.5 : nearest + 0.5);
    const Wide stepsHi = TwoProduct(static_cast<double>(steps), kStep.hi);
    Wide r = Add(t, {-stepsHi.hi, -stepsHi.lo});
    r = Add(r, {-static_cast<double>(steps) * kStep.lo, 0.0});
    const int j = ((steps % kExpSteps) + kExpSteps) % kExpSteps;
    const int k = (steps - j) / kExpSteps;
    const Wide e = Multiply(kExpTable[j], ExpOfReduced(r));
    const double value = e.hi + e.lo; // e is normalized, so this is e.hi: 2^(j / kExpSteps) e^r rounded once
    constexpr int kShift = 200;
    if (k < -1000) {
        // Scaled exactly into the normal range first; the last multiplication rounds once to a subnormal.
        return std::ldexp(value, k + kShift) * 0x1p-200;
    }
    if (k > 1000) {
        return std::ldexp(value, k - kShift) * 0x1p200; // overflows to infinity beyond the doubles
    }
    return std::ldexp(value, k);
}

// ln x for a finite x > 0: x = m 2^exponent with m in [3/4, 3/2), which keeps exponent 0 for x next to 1.
Wide LogOf(double x) {
    int exponent = 0;
    double m = std::frexp(x, &exponent); // m in [1/2, 1)
    if (m < 0.75) {
        m *= 2.0;
        --exponent;
    }
    return Add(Multiply(kLn2, static_cast<double>(exponent)), LogOfMantissa(m));
}

} // namespace

double Exp(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (x > 710.0) {
        return std::numeric_limits<double>::infinity();
    }
    return x < -746.0 ? 0.0 : ExpOf({x, 0.0});
}

double Log(double x) {
    if (std::isnan(x) || x < 0.0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (x == 0.0 || std::isinf(x)) {
        return x == 0.0 ? -std::numeric_limits<double>::infinity() : x;
    }
    const Wide ln = LogOf(x);
    return ln.hi + ln.lo;
}

double Power(double x, double y) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    if (y == 0.0 || x == 1.0) {
        return 1.0;
    }
    if (std::isnan(x) || std::isnan(y)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const IntegerKind kind = std::isinf(y) ? IntegerKind{true, false} : KindOf(y);
    const bool negative = std::signbit(x) && kind.odd; // the sign of the answer
    const double magnitude = std::fabs(x);
    if (std::isinf(y)) {
        if (magnitude == 1.0) {
            return 1.0; // (-1)^±inf
        }
        return (magnitude > 1.0) == (y > 0.0) ? kInfinity : 0.0;
    }
    if (x < 0.0 && !kind.integer) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double answer = 0.0;
    if (magnitude == 0.0 || std::isinf(magnitude)) {
        answer = (magnitude == 0.0) == (y > 0.0) ? 0.0 : kInfinity;
    } else if (std::fabs(y) > 0x1p64) {
        // |ln x| >= 2^-54 for every x but 1, so |y ln x| > 2^10: beyond the doubles either way.
        answer = (magnitude > 1.0) == (y > 0.0) ? kInfinity : 0.0;
    } else {
        const Wide t = Multiply(LogOf(magnitude), y);
        if (t.hi > 710.0) {
            answer = kInfinity;
        } else if (t.hi < -746.0) {
            answer = 0.0;
        } else {
            answer = ExpOf(t);
        }
    }
    return negative ? -answer : answer;
}

} // namespace quorlex
