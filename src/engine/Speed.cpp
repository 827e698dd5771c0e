#include "engine/Speed.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (feet per minute, chains per hour, centimeters per
// second, meters per minute, kilometers per hour, feet per second, miles per hour, knots, meters per second).
constexpr std::string_view kRow0 = " 1, 0.909090909, 0.508001532, 0.304800919, 0.018288055, 0.016666667, "
                                   "0.011363636, 0.00987476, 0.005080015,"; // feet per minute
constexpr std::string_view kRow1 = " 1.1, 1, 0.558801685, 0.335281011, 0.020116861, 0.018333333, 0.0125, "
                                   "0.010862236, 0.005588017,"; // chains per hour
// centimeters per second
constexpr std::string_view kRow2 =
    " 1.968498, 1.789543636, 1, 0.6, 0.036, 0.0328083, 0.022369295, 0.019438445, 0.01,";
constexpr std::string_view kRow3 = " 3.28083, 2.982572727, 1.666666667, 1, 0.06, 0.0546805, 0.037282159, "
                                   "0.032397408, 0.016666667,"; // meters per minute
constexpr std::string_view kRow4 = " 54.6805, 49.70954545, 27.77777778, 16.66666667, 1, 0.911341667, "
                                   "0.621369318, 0.539956793, 0.277777778,"; // kilometers per hour
constexpr std::string_view kRow5 = " 60, 54.54545455, 30.48009193, 18.28805516, 1.097283309, 1, 0.681818182, "
                                   "0.592485577, 0.304800919,"; // feet per second
// miles per hour
constexpr std::string_view kRow6 =
    " 88, 80, 44.70413483, 26.8224809, 1.609348854, 1.466666667, 1, 0.868978846, 0.447041348,";
constexpr std::string_view kRow7 = " 101.268288, 92.06208, 51.44444546, 30.86666728, 1.852000037, 1.6878048, "
                                   "1.150776, 1, 0.514444455,"; // knots
constexpr std::string_view kRow8 =
    " 196.8498, 178.9543636, 100, 60, 3.6, 3.28083, 2.236929545, 1.943844454, 1"; // meters per second

} // namespace

std::string Speed::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3, kRow4, kRow5, kRow6, kRow7, kRow8});
}

Speed::Speed() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
