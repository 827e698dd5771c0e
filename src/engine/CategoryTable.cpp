#include "engine/CategoryTable.h"

#include <charconv>

namespace quorlex {

namespace {

using namespace std::string_view_literals;

// Unit texts in the order of each converter's table. Texts are shown exactly as written here, odd
// spellings and the trailing blank of "- Joules " included.
constexpr std::array kWeight{"- Grams"sv,     "- Ounces"sv, "- Pounds"sv,
                             "- KiloGrams"sv, "- Tons"sv,   "- MegaGrams"sv};
constexpr std::array kLength{"- Millimeters"sv, "- Centimeters"sv, "- Inches"sv,     "- Feet"sv, "- Yards"sv,
                             "- Meters"sv,      "- Chains"sv,      "- Kilometers"sv, "- Miles"sv};
constexpr std::array kArea{"- Square Centimeters"sv, "- Square Inches"sv,     "- Square Feet"sv,
                           "- Square Yards"sv,       "- Square Meters"sv,     "- Acres"sv,
                           "- Hectares"sv,           "- Square Kilometers"sv, "- Square Miles"sv};
constexpr std::array kBulkDensity{"- Tons Per Acre Foot"sv, "- Kilograms Per Cubicmeter"sv,
                                  "- Tons Per Acre Inch"sv, "- Pounds Per Cubic Feet"sv,
                                  "- Grams Per Cubic Centimeter"sv};
constexpr std::array kAreaIntensity{"- Kilojoules Per Square Meter Per Minute"sv,
                                    "- Kilowatts Per Square Meters"sv, "- BTUs Per Square Foot Per Second"sv,
                                    "- Calories Per Square Centimeter Per Second"sv};
constexpr std::array kHeatContent{"- Kilojoules Per Kilogram"sv, "- BTUs Per Pound"sv,
                                  "- Calories Per Gram"sv};
constexpr std::array kSpeed{
    "- Feet Per Minute"sv,     "- Chains Per Hour"sv, "- Centimeters Per Second"sv, "- Meters Per Minute"sv,
    "- Kilometers Per Hour"sv, "- Feet Per Second"sv, "- Miles Per Hour"sv,         "- Knots"sv,
    "- Meters Per Second"sv};
constexpr std::array kFireLineIntensity{
    "- Joules Per Foot Per Second"sv, "- Calories Per Centimeter Per Second"sv, "- Kilowatts Per Meter"sv,
    "- BTUs Per Foot Per Second"sv, "- Kilocalories Per Meter Per Second"sv};
constexpr std::array kEnergy{"- Joules "sv, "- Calories"sv, "- Kilojoules"sv, "- BTUs"sv};
constexpr std::array kFuelLoad{"- Grams Per Square Meter"sv, "- Megagrams Per Hectare"sv, "- Tons Per Acre"sv,
                               "- KiloGrams Per Square Meter"sv, "- Pounds Per Square Foot"sv};
constexpr std::array kBasalArea{"- Square Feet Per Acre"sv, "- Square Meters Per Hectare"sv};
constexpr std::array kTemperature{"- Fahrenheit"sv, "- Celsius"sv, "- Kelvin"sv};
constexpr std::array kPressure{"- Kpa"sv, "- PA"sv, "- Barormetric"sv, "- Pounds Per Square Inch"sv,
                               "- Atmospheres"sv};
constexpr std::array kAngle{"- Degrees"sv, "- Radians"sv};
constexpr std::array kHeatUnitArea{"- Joules Per Square Foot"sv, "- Kilojoules Per Square Meter"sv,
                                   "- BTU Per Square Foot"sv, "- Kilocalories Per Square Meter"sv,
                                   "- Calories Per Square Centimeter"sv};
constexpr std::array kSlope{"- Degrees"sv, "- Percent"sv};
constexpr std::array kSurfaceToVolume{"- Sq. ft. per cu. ft."sv, "- Sq. m. per Cu. m."sv};

const std::array<Category, kCategoryCount> kCategories{{
    {"Weight", "Weight", kWeight},
    {"Length", "Length", kLength},
    {"Area", "Area", kArea},
    {"Bulk Density", "BulkDensity", kBulkDensity},
    {"Area  Intensity", "AreaIntensity", kAreaIntensity},
    {"Heat Content", "HeatContent", kHeatContent},
    {"Speed", "Speed", kSpeed},
    {"Fireline Intensity", "FireLineIntensity", kFireLineIntensity},
    {"Energy", "Energy", kEnergy},
    {"Fuel Load", "FuelLoad", kFuelLoad},
    {"Basal Area", "BasalArea", kBasalArea},
    {"Temperature", "Temperature", kTemperature},
    {"Pressure", "Pressure", kPressure},
    {"Angle", "Angle", kAngle},
    {"Heat Per Unit Area", "HeatUnitArea", kHeatUnitArea},
    {"Slope", "Slope", kSlope},
    {"Surface/Volume Ratio", "SurfaceToVolume", kSurfaceToVolume},
}};

} // namespace

const std::array<Category, kCategoryCount> &Categories() {
    return kCategories;
}

std::string UnitItemText(int position, std::string_view unitText) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, position);
    std::string text(digits, written.ptr);
    text += unitText;
    return text;
}

} // namespace quorlex
