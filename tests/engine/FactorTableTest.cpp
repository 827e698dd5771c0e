// The factor tables: every table complete, self-consistent and right against the unit definitions.
#include "engine/Catalogue.h"
#include "engine/Convert.h"
#include "support/NamedParam.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using quorlex::test::PrintTo;

using namespace quorlex;

// A category of the catalogue; its converter seen as ConverterBase, for its matrix.
struct Table {
    const CategoryEntry *category;

    std::string Name() const { return std::string(category->className); }
    int Units() const { return static_cast<int>(category->units.size()); }
    std::shared_ptr<ConverterBase> Make() const {
        return std::dynamic_pointer_cast<ConverterBase>(category->makeConverter());
    }
    // Converts by its matrix, not by formula: every unit carries its row of factors.
    bool Proportional() const {
        return std::all_of(category->units.begin(), category->units.end(),
                           [](const UnitEntry &unit) { return !unit.factors.empty(); });
    }
};

std::vector<Table> Tables(bool proportionalOnly) {
    std::vector<Table> tables;
    for (const auto &category : Catalogue()) {
        const Table table{&category};
        if (!proportionalOnly || table.Proportional()) {
            tables.push_back(table);
        }
    }
    return tables;
}

class FactorTableTest : public ::testing::TestWithParam<Table> {};

TEST_P(FactorTableTest, HoldsExactlyNTimesNNumbers) {
    const std::string text = GetParam().category->factorText();
    const auto commas = std::count(text.begin(), text.end(), ',');
    EXPECT_EQ(commas, GetParam().Units() * GetParam().Units() - 1);
    const auto converter = GetParam().Make();
    ASSERT_NE(converter, nullptr);
    ASSERT_EQ(converter->Matrix().Size(), GetParam().Units());
    for (int r = 0; r < GetParam().Units(); ++r) {
        for (int c = 0; c < GetParam().Units(); ++c) {
            EXPECT_NE(converter->Matrix().At(r, c), 0.0) << r << "," << c;
        }
    }
}

TEST_P(FactorTableTest, ConvertsEveryUnitToItselfUnchanged) {
    const auto converter = GetParam().Make();
    for (int u = 0; u < GetParam().Units(); ++u) {
        EXPECT_EQ(converter->Matrix().At(u, u), 1.0) << u;
    }
}

// A mistyped factor breaks the round trip or the path through a third unit.
class MatrixTableTest : public FactorTableTest {};

TEST_P(MatrixTableTest, IsSelfConsistent) {
    const auto converter = GetParam().Make();
    const auto &m = converter->Matrix();
    const int n = GetParam().Units();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            EXPECT_NEAR(m.At(i, j) * m.At(j, i), 1.0, 1e-3) << i << "<->" << j;
            for (int k = 0; k < n; ++k) {
                EXPECT_NEAR(m.At(i, k), m.At(i, j) * m.At(j, k), 2e-3 * m.At(i, k))
                    << i << "->" << j << "->" << k;
            }
        }
    }
}

const auto kTableName = [](const auto &info) { return info.param.Name(); };

INSTANTIATE_TEST_SUITE_P(AllCategories, FactorTableTest, ::testing::ValuesIn(Tables(false)), kTableName);
INSTANTIATE_TEST_SUITE_P(MatrixCategories, MatrixTableTest, ::testing::ValuesIn(Tables(true)), kTableName);

struct Definition {
    const char *name;
    std::function<std::unique_ptr<ConverterBase>()> make;
    int from;
    int to;
    double exact;         // the defined value of one unit "from" in unit "to"
    double relativeError; // how far the table's rounding may stand from it
};

template <class Converter>
Definition Defined(const char *name, int from, int to, double exact, double relativeError) {
    return Definition{name, [] { return std::make_unique<Converter>(); }, from, to, exact, relativeError};
}

class UnitDefinitionTest : public ::testing::TestWithParam<Definition> {};

TEST_P(UnitDefinitionTest, AgreesWithTheDefinition) {
    const auto converter = GetParam().make();
    const double factor = converter->Matrix().At(GetParam().from, GetParam().to);
    EXPECT_NEAR(factor, GetParam().exact, GetParam().exact * GetParam().relativeError);
}

INSTANTIATE_TEST_SUITE_P(
    Spots, UnitDefinitionTest,
    ::testing::Values(
        Defined<Length>("InchInCentimeters", 2, 1, 2.54, 3e-6), Defined<Length>("MileInFeet", 8, 3, 5280, 0),
        Defined<Length>("ChainInFeet", 6, 3, 66, 0), Defined<Length>("FootInInches", 3, 2, 12, 0),
        Defined<Weight>("PoundInKilograms", 2, 3, 0.45359237, 1e-4),
        Defined<Weight>("KilogramInPounds", 3, 2, 2.20462262, 2e-4),
        Defined<Weight>("TonInPounds", 4, 2, 2000, 0), Defined<Weight>("MegagramInGrams", 5, 0, 1e6, 0),
        Defined<Area>("AcreInSquareFeet", 5, 2, 43560, 0),
        Defined<Area>("HectareInSquareMeters", 6, 4, 10000, 0),
        Defined<Area>("SquareMileInAcres", 8, 5, 640, 1e-7),
        Defined<Energy>("ThermochemicalCalorieInJoules", 1, 0, 4.184, 0),
        Defined<Energy>("BtuInJoules", 3, 0, 1054.35, 0),
        Defined<Pressure>("AtmosphereInKilopascals", 4, 0, 101.325, 0),
        Defined<Pressure>("AtmosphereInPascals", 4, 1, 101325, 0),
        Defined<Pressure>("AtmosphereInBar", 4, 2, 1.01325, 0),
        Defined<Pressure>("AtmosphereInPsi", 4, 3, 14.6959488, 1e-7),
        Defined<Pressure>("PsiInKilopascals", 3, 0, 6.894757293, 1e-9),
        Defined<Pressure>("KilopascalInPsi", 0, 3, 0.1450377377, 1e-8),
        Defined<SurfaceToVolume>("PerFootInPerMeter", 0, 1, 3.280839895, 1e-9),
        Defined<SurfaceToVolume>("PerMeterInPerFoot", 1, 0, 0.3048, 0),
        Defined<Speed>("MilePerHourInFeetPerMinute", 6, 0, 88, 0),
        Defined<Speed>("MeterPerSecondInKilometersPerHour", 8, 4, 3.6, 0),
        Defined<BulkDensity>("GramPerCubicCentimeterInKilograms", 4, 1, 1000, 0),
        Defined<FuelLoad>("MegagramPerHectareInGrams", 1, 0, 100, 0),
        Defined<FuelLoad>("KilogramPerSquareMeterInTonsPerAcre", 3, 2, 4.4609, 1e-4),
        Defined<FireLineIntensity>("KilowattPerMeterInJoulesPerFootSecond", 2, 0, 304.8, 1e-5),
        Defined<AreaIntensity>("KilowattPerSquareMeterInKilojoulesPerMinute", 1, 0, 60, 0),
        Defined<HeatUnitArea>("CaloriePerSquareCentimeterInKilocaloriesPerSquareMeter", 4, 3, 10, 0),
        Defined<HeatContent>("CaloriePerGramInKilojoulesPerKilogram", 2, 0, 4.184, 1e-4),
        Defined<BasalArea>("SquareMeterPerHectareInSquareFeetPerAcre", 1, 0, 4.356, 1e-3),
        Defined<Angle>("RadianInDegrees", 1, 0, 57.29577951, 1e-9)),
    [](const auto &info) { return std::string(info.param.name); });

struct Written {
    const char *name;
    std::function<std::unique_ptr<ConverterBase>()> make;
    int from;
    int to;
    double factor;
};

template <class Converter>
Written AsWritten(const char *name, int from, int to, double factor) {
    return Written{name, [] { return std::make_unique<Converter>(); }, from, to, factor};
}

class WrittenFactorTest : public ::testing::TestWithParam<Written> {};

// Factors kept exactly as the tables write them, rounding quirks included: no reciprocal is ever computed.
TEST_P(WrittenFactorTest, IsKeptAsWritten) {
    EXPECT_EQ(GetParam().make()->Matrix().At(GetParam().from, GetParam().to), GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(
    Spots, WrittenFactorTest,
    ::testing::Values(AsWritten<Weight>("GramsToOunces", 0, 1, 0.03527),
                      AsWritten<Weight>("OuncesToGrams", 1, 0, 28.35),
                      AsWritten<Weight>("TonsToKilograms", 4, 3, 907),
                      AsWritten<Weight>("TonsToGrams", 4, 0, 907185),
                      AsWritten<Area>("SquareMilesToSquareCentimeters", 8, 0, 25899983071.0),
                      AsWritten<Pressure>("PsiToAtmospheres", 3, 4, 0.068045963),
                      AsWritten<Pressure>("AtmospheresToPsi", 4, 3, 14.695949),
                      AsWritten<Temperature>("FahrenheitToCelsiusElement", 0, 1, -17.22222222),
                      AsWritten<Temperature>("KelvinToCelsiusElement", 2, 1, -272.15),
                      AsWritten<Length>("YardsToMeters", 4, 5, 0.9144018)),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FactorTable, AngleAndSlopeShareOneMatrix) {
    const Angle angle;
    const Slope slope;
    EXPECT_EQ(Angle::FactorText(), Slope::FactorText());
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(angle.Matrix().At(r, c), slope.Matrix().At(r, c));
        }
    }
}

} // namespace
