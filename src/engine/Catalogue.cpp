#include "engine/Catalogue.h"

#include "engine/Convert.h"
#include "engine/TextFolding.h"

#include <array>
#include <charconv>
#include <utility>
#include <vector>

namespace quorlex {

namespace {

// The catalogue entry of converter class C, whose registry field is read by Get and written by Set.
template <class C, std::shared_ptr<C> (Convert::*Get)() const, void (Convert::*Set)(std::shared_ptr<C>)>
CategoryEntry Entry(int index, std::string_view caption) {
    return CategoryEntry{
        index,
        caption,
        C::kClassName,
        C::Units(),
        &C::FactorText,
        []() -> std::shared_ptr<UnitConverter> { return std::make_shared<C>(); },
        // The setter changes the registry; cppcheck does not follow the call through a member pointer.
        // cppcheck-suppress constParameter
        [](Convert &registry, std::shared_ptr<UnitConverter> converter) {
            (registry.*Set)(std::static_pointer_cast<C>(std::move(converter)));
        },
        [](const Convert &registry) -> std::shared_ptr<UnitConverter> { return (registry.*Get)(); },
    };
}

using Table = std::array<CategoryEntry, kCategoryCount>;

// One line per category, in index order. Captions are shown exactly as written here, the two blanks of
// "Area  Intensity" included.
Table MakeTable() {
    using C = Convert;
    return Table{{
        Entry<Weight, &C::GetWeight, &C::SetWeight>(0, "Weight"),
        Entry<Length, &C::GetLength, &C::SetLength>(1, "Length"),
        Entry<Area, &C::GetArea, &C::SetArea>(2, "Area"),
        Entry<BulkDensity, &C::GetBulkDensity, &C::SetBulkDensity>(3, "Bulk Density"),
        Entry<AreaIntensity, &C::GetAreaIntensity, &C::SetAreaIntensity>(4, "Area  Intensity"),
        Entry<HeatContent, &C::GetHeatContent, &C::SetHeatContent>(5, "Heat Content"),
        Entry<Speed, &C::GetSpeed, &C::SetSpeed>(6, "Speed"),
        Entry<FireLineIntensity, &C::GetFireLineIntensity, &C::SetFireLineIntensity>(7, "Fireline Intensity"),
        Entry<Energy, &C::GetEnergy, &C::SetEnergy>(8, "Energy"),
        Entry<FuelLoad, &C::GetFuelLoad, &C::SetFuelLoad>(9, "Fuel Load"),
        Entry<BasalArea, &C::GetBasalArea, &C::SetBasalArea>(10, "Basal Area"),
        Entry<Temperature, &C::GetTemperature, &C::SetTemperature>(11, "Temperature"),
        Entry<Pressure, &C::GetPressure, &C::SetPressure>(12, "Pressure"),
        Entry<Angle, &C::GetAngle, &C::SetAngle>(13, "Angle"),
        Entry<HeatUnitArea, &C::GetHeatUnitArea, &C::SetHeatUnitArea>(14, "Heat Per Unit Area"),
        Entry<Slope, &C::GetSlope, &C::SetSlope>(15, "Slope"),
        Entry<SurfaceToVolume, &C::GetSurfaceToVolume, &C::SetSurfaceToVolume>(16, "Surface/Volume Ratio"),
    }};
}

} // namespace

std::span<const CategoryEntry> Catalogue() {
    static const Table table = MakeTable();
    return table;
}

const CategoryEntry *FindCategory(std::string_view name) {
    // Each category's caption and class name as they are compared, folded once.
    static const std::vector<std::pair<std::string, std::string>> folded = [] {
        std::vector<std::pair<std::string, std::string>> all;
        for (const auto &category : Catalogue()) {
            all.emplace_back(WithoutBlanksFolded(category.caption), WithoutBlanksFolded(category.className));
        }
        return all;
    }();
    const std::string wanted = WithoutBlanksFolded(name);
    if (wanted.empty()) {
        return nullptr;
    }
    for (const auto &category : Catalogue()) {
        const auto &[caption, className] = folded[static_cast<std::size_t>(category.index)];
        if (wanted == caption || wanted == className) {
            return &category;
        }
    }
    return nullptr;
}

std::string UnitItemText(int position, std::string_view listText) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, position);
    std::string text(digits, written.ptr);
    text += listText;
    return text;
}

} // namespace quorlex
