// Units written as in papers name the one unit of the one category with their dimension and exact size,
// or are refused in one line that names the text and says why; a symbol no unit has is left to the
// nearest-name refusal.
#include "conversion/WrittenUnit.h"

#include "conversion/UnitChoice.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace quorlex;
using namespace quorlex::conversion;

struct WrittenCase {
    const char *text;
    const char *className; // nullptr: refused
    const char *symbol;    // for a refusal, its whole reason ("" for none)
};

void PrintTo(const WrittenCase &row, std::ostream *os) {
    *os << '"' << row.text << '"';
}

class WrittenUnitTest : public testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenUnitTest, NamesTheUnitOfItsSizeOrSaysWhyNot) {
    const WrittenCase &row = GetParam();
    Refusal refusal;
    const auto unit = UnitOfWrittenText(row.text, refusal);
    if (row.className == nullptr) {
        EXPECT_FALSE(unit.has_value());
        EXPECT_EQ(refusal.reason, row.symbol);
        EXPECT_EQ(refusal.reason.find('\n'), std::string::npos);
        return;
    }
    ASSERT_TRUE(unit.has_value()) << refusal.reason;
    EXPECT_FALSE(refusal);
    EXPECT_EQ(ClassNameOf(unit->category), row.className);
    EXPECT_EQ(SymbolOf(unit->category, unit->unit), row.symbol);
}

INSTANTIATE_TEST_SUITE_P(
    Papers, WrittenUnitTest,
    testing::Values(
        WrittenCase{"Mg ha-1", "FuelLoad", "Mg/ha"},
        WrittenCase{"Mg\u00B7ha\u207B\u00B9", "FuelLoad", "Mg/ha"},
        WrittenCase{"t ha-1", "FuelLoad", "Mg/ha"}, WrittenCase{"kg m-2", "FuelLoad", "kg/m2"},
        WrittenCase{"kg/m^2", "FuelLoad", "kg/m2"}, WrittenCase{"g m-2", "FuelLoad", "g/m2"},
        WrittenCase{"ton ac-1", "FuelLoad", "ton/ac"}, WrittenCase{"kJ kg-1", "HeatContent", "kJ/kg"},
        WrittenCase{"Btu lb-1", "HeatContent", "BTU/lb"}, WrittenCase{"cal g-1", "HeatContent", "cal/g"},
        WrittenCase{"kW m-1", "FireLineIntensity", "kW/m"},
        WrittenCase{"BTU ft-1 s-1", "FireLineIntensity", "BTU/ft/s"},
        WrittenCase{"kcal m-1 s-1", "FireLineIntensity", "kcal/m/s"},
        WrittenCase{"m min-1", "Speed", "m/min"}, WrittenCase{"km h-1", "Speed", "km/h"},
        WrittenCase{"ch h-1", "Speed", "ch/h"}, WrittenCase{"lb ft-3", "BulkDensity", "lb/ft3"},
        WrittenCase{"kg m-3", "BulkDensity", "kg/m3"},
        WrittenCase{"ton ac-1 ft-1", "BulkDensity", "ton/ac-ft"},
        WrittenCase{"kJ m-2", "HeatUnitArea", "kJ/m2"}, WrittenCase{"kW m-2", "AreaIntensity", "kW/m2"},
        WrittenCase{"kJ m-2 min-1", "AreaIntensity", "kJ/m2/min"},
        WrittenCase{"m-1", "SurfaceToVolume", "1/m"}, WrittenCase{"ft2/ft3", "SurfaceToVolume", "1/ft"},
        WrittenCase{"m2 ha-1", "BasalArea", "m2/ha"}, WrittenCase{"ft^2 ac^-1", "BasalArea", "ft2/ac"},
        WrittenCase{"kg m-1 s-2", "Pressure", "Pa"},
        // Refusals: no category, a pure number, no unit of that size, malformed powers, an over-long text.
        WrittenCase{
            "W", nullptr,
            "\"W\" is kg m^2 s^-3, which no category measures; nearest: Fireline Intensity (kg m s^-3), "
            "Energy (kg m^2 s^-2)"},
        WrittenCase{
            "m/km", nullptr,
            "\"m/km\" is a pure number, no unit of any category (basal area is an area per area, as in "
            "m2/ha)"},
        WrittenCase{"g ha-1", nullptr,
                    "\"g ha-1\" measures Fuel Load, but no unit of Fuel Load is that size; its units: g/m2, "
                    "Mg/ha, ton/ac, kg/m2, lb/ft2, kg/ha, lb/ac"},
        WrittenCase{
            "m^999", nullptr,
            "\"m^999\" is no unit: the power 999 is out of range (powers run from -9 to 9, 0 excluded)"},
        WrittenCase{"m^-", nullptr, "\"m^-\" is no unit: the power after ^ has no digits"},
        WrittenCase{"lb in-2", nullptr,
                    "\"lb in-2\" measures Fuel Load, but no unit of Fuel Load is that size; its units: g/m2, "
                    "Mg/ha, ton/ac, kg/m2, lb/ft2, kg/ha, lb/ac"},
        // Symbols no unit has are left to the refusal with the nearest names.
        WrittenCase{"mg", nullptr, ""}, WrittenCase{"mw/m", nullptr, ""},
        WrittenCase{"\u00B0K", nullptr, ""}));

TEST(WrittenUnit, AnOverLongTextIsRefusedInOneShortLine) {
    std::string text;
    for (int i = 0; i < 101; ++i) {
        text += "m ";
    }
    Refusal refusal;
    EXPECT_FALSE(UnitOfWrittenText(text, refusal).has_value());
    EXPECT_TRUE(refusal.reason.ends_with("...\" is no unit: a unit is at most 200 characters"))
        << refusal.reason;
    EXPECT_LT(refusal.reason.size(), 120U);
}

TEST(WrittenUnit, TheLookupOfNamesTakesWrittenUnits) {
    Refusal refusal;
    const UnitChoice choice = ChooseUnits("ton/ac", "Mg ha-1", -1, -1, refusal);
    EXPECT_FALSE(refusal) << refusal.reason;
    EXPECT_EQ(SymbolOf(choice.category, choice.to), "Mg/ha");
    // The window's symbols keep their meaning: the hyphen joins tighter than "/".
    EXPECT_EQ(SymbolOf(choice.category, choice.from), "ton/ac");
    const auto acreFoot = UnitsNamed("ton/ac-ft", refusal);
    ASSERT_EQ(acreFoot.size(), 1U);
    EXPECT_EQ(SymbolOf(acreFoot[0].category, acreFoot[0].unit), "ton/ac-ft");
}

} // namespace
