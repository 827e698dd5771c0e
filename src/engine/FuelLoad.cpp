#include "engine/FuelLoad.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (grams per square meter, megagrams per hectare, tons per
// acre, kilograms per square meter, pounds per square foot).
constexpr std::string_view kRow0 = " 1, 0.01, 0.0044609, 0.001, 0.000204816,";   // grams per square meter
constexpr std::string_view kRow1 = " 100, 1, 0.446090021, 0.1, 0.020481635,";    // megagrams per hectare
constexpr std::string_view kRow2 = " 224.17, 2.2417, 1, 0.22417, 0.045913682,";  // tons per acre
constexpr std::string_view kRow3 = " 1000, 10, 4.46090021, 1, 0.204816355,";     // kilograms per square meter
constexpr std::string_view kRow4 = " 4882.4226, 48.824226, 21.78, 4.8824226, 1"; // pounds per square foot

} // namespace

std::string FuelLoad::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3, kRow4});
}

FuelLoad::FuelLoad() : MatrixConverter(kUnits, FactorText()) {}

} // namespace quorlex
