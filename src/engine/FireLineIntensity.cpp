#include "engine/FireLineIntensity.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (joules per foot per second, calories per centimeter per
// second, kilowatts per meter, BTU per foot per second, kilocalories per meter per second).
constexpr std::string_view kRow0 =
    " 1, 0.00784138, 0.00328083, 0.000948452, 0.000784138,"; // joules per foot per second
constexpr std::string_view kRow1 =
    " 127.528571, 1, 0.418399562, 0.120954684, 0.1,"; // calories per centimeter per second
constexpr std::string_view kRow2 =
    " 304.8009193, 2.390059865, 1, 0.289088936, 0.239005986,"; // kilowatts per meter
constexpr std::string_view kRow3 =
    " 1054.35, 8.267559116, 3.459143111, 1, 0.826755912,"; // BTU per foot per second
constexpr std::string_view kRow4 =
    " 1275.28571, 10, 4.183995617, 1.20954684, 1"; // kilocalories per meter per second

} // namespace

std::string FireLineIntensity::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3, kRow4});
}

FireLineIntensity::FireLineIntensity() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
