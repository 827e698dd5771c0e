#include "engine/Weight.h"

#include <string>
#include <string_view>

namespace quorlex {

namespace {

// Row r holds one unit r in each unit, in unit order (grams, ounces, pounds, kilograms, tons (2000 pounds),
// megagrams).
constexpr std::string_view kRow0 = " 1, 0.03527, 0.002204623, 0.001, 1.102E-06, 1.000E-06,"; // grams
constexpr std::string_view kRow1 = " 28.35, 1, 0.06250, 0.02835, 3.125E-05, 2.835E-05,";     // ounces
constexpr std::string_view kRow2 = " 453.6, 16, 1, 0.4536, 5.000E-04, 4.536E-04,";           // pounds
constexpr std::string_view kRow3 = " 1000, 35.27, 2.205, 1, 0.001102311, 0.001,";            // kilograms
constexpr std::string_view kRow4 = " 907185, 32000, 2000, 907, 1, 0.9072,"; // tons (2000 pounds)
constexpr std::string_view kRow5 = " 1000000, 35274, 2205, 1000, 1.102, 1"; // megagrams

} // namespace

std::string Weight::FactorText() {
    return JoinPieces({kRow0, kRow1, kRow2, kRow3, kRow4, kRow5});
}

Weight::Weight() : MatrixConverter(kUnits, FactorText()) {}

Weight::~Weight() = default;

} // namespace quorlex
