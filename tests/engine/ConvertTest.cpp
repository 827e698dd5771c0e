#include "engine/Convert.h"

#include "engine/Catalogue.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace quorlex;

TEST(Convert, HandsOutTheSameConverterOnEveryGet) {
    Convert registry;
    registry.GetLength()->SetSourceUnits(5);
    EXPECT_EQ(registry.GetLength()->SourceUnits(), 5);
    EXPECT_EQ(registry.GetLength(), registry.mvarLength);
}

TEST(Convert, TwoRegistriesHoldDistinctConverters) {
    Convert first;
    Convert second;
    first.GetWeight()->SetDesiredUnits(3);
    EXPECT_EQ(second.GetWeight()->DesiredUnits(), 0);
    EXPECT_NE(first.GetWeight(), second.GetWeight());
}

TEST(Convert, SetReplacesTheConverterInItsField) {
    Convert registry;
    auto other = std::make_shared<Area>();
    registry.SetArea(other);
    EXPECT_EQ(registry.GetArea(), other);
    EXPECT_EQ(registry.mvarArea, other);
    auto weight = std::make_shared<Weight>();
    registry.SetWeight(weight);
    EXPECT_EQ(registry.GetWeight(), weight);
}

TEST(Convert, AConverterOutlivesItsRegistry) {
    std::shared_ptr<Pressure> pressure;
    {
        Convert registry;
        pressure = registry.GetPressure();
    }
    pressure->SetSourceUnits(4);
    pressure->LetSourceValue(1.0);
    EXPECT_EQ(std::get<double>(pressure->Compute()), 101.325);
}

TEST(Convert, ANewRegistryConvertsGramsToGramsByOne) {
    Convert registry;
    registry.GetWeight()->LetSourceValue(2.0);
    EXPECT_EQ(std::get<double>(registry.GetWeight()->Compute()), 2.0);
    EXPECT_EQ(registry.GetWeight()->ConversionFactor(), 1.0);
}

TEST(Convert, EveryCategoryIndexHasItsConverter) {
    Convert registry;
    for (const auto &category : Catalogue()) {
        const auto converter = registry.ConverterOfCategory(category.index);
        ASSERT_NE(converter, nullptr) << category.index;
        EXPECT_EQ(converter->ClassName(), category.className);
        // The registry hands out the converter its field holds, also after the field is replaced.
        auto replacement = category.makeConverter();
        category.storeIn(registry, replacement);
        EXPECT_EQ(registry.ConverterOfCategory(category.index), replacement);
    }
    EXPECT_EQ(registry.ConverterOfCategory(-1), nullptr);
    EXPECT_EQ(registry.ConverterOfCategory(kCategoryCount), nullptr);
}

} // namespace
