#pragma once

namespace quorlex {

// x raised to the power y, the same double on every platform: computed with IEEE additions, subtractions,
// multiplications, divisions and exact scalings by powers of two alone, never with the C library's pow,
// log or exp, whose last bit differs between C libraries. ln x is carried in double-double arithmetic
// (about 100 bits), multiplied by y, and its exponential rounded once to the nearest double, so that the
// answer is correctly rounded but for very rare ties; a result in the subnormal range may be a unit off.
// Special values as the C library's pow gives them: Power(x, 0) and Power(1, y) are 1 (NaN included),
// a NaN otherwise gives NaN, a negative x with a finite y that is no integer gives NaN, a zero x gives
// zero for y > 0 and infinity for y < 0, and an answer beyond the doubles overflows to infinity or
// underflows to zero.
double Power(double x, double y);

// e^x and ln x by the same arithmetic, the same double on every platform: e^x rounded once from its
// double-double value (infinity beyond the doubles, 0 below them, NaN for NaN); ln x the double nearest its
// double-double value (NaN for x < 0 or NaN, -infinity for 0, infinity for infinity).
double Exp(double x);
double Log(double x);

} // namespace quorlex
