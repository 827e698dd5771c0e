#pragma once

#include "engine/Angle.h"
#include "engine/Area.h"
#include "engine/AreaIntensity.h"
#include "engine/BasalArea.h"
#include "engine/BulkDensity.h"
#include "engine/Energy.h"
#include "engine/FireLineIntensity.h"
#include "engine/FuelLoad.h"
#include "engine/HeatContent.h"
#include "engine/HeatUnitArea.h"
#include "engine/Length.h"
#include "engine/Pressure.h"
#include "engine/Slope.h"
#include "engine/Speed.h"
#include "engine/SurfaceToVolume.h"
#include "engine/Temperature.h"
#include "engine/Weight.h"

#include <memory>

namespace quorlex {

// The converter registry: creating one creates one converter of each category of the catalogue, each loading
// its factor text afresh. Converters are shared: one taken from a registry stays alive after the registry
// ends.
class Convert {
public:
    Convert();

    std::shared_ptr<quorlex::Slope> GetSlope() const { return mvarSlope; }
    void SetSlope(std::shared_ptr<quorlex::Slope> vData) { mvarSlope = std::move(vData); }
    std::shared_ptr<quorlex::HeatUnitArea> GetHeatUnitArea() const { return mvarHeatUnitArea; }
    void SetHeatUnitArea(std::shared_ptr<quorlex::HeatUnitArea> vData) {
        mvarHeatUnitArea = std::move(vData);
    }
    std::shared_ptr<quorlex::Angle> GetAngle() const { return mvarAngle; }
    void SetAngle(std::shared_ptr<quorlex::Angle> vData) { mvarAngle = std::move(vData); }
    std::shared_ptr<quorlex::SurfaceToVolume> GetSurfaceToVolume() const { return mvarSurfaceToVolume; }
    void SetSurfaceToVolume(std::shared_ptr<quorlex::SurfaceToVolume> vData) {
        mvarSurfaceToVolume = std::move(vData);
    }
    std::shared_ptr<quorlex::Pressure> GetPressure() const { return mvarPressure; }
    void SetPressure(std::shared_ptr<quorlex::Pressure> vData) { mvarPressure = std::move(vData); }
    std::shared_ptr<quorlex::Temperature> GetTemperature() const { return mvarTemperature; }
    void SetTemperature(std::shared_ptr<quorlex::Temperature> vData) { mvarTemperature = std::move(vData); }
    std::shared_ptr<quorlex::BasalArea> GetBasalArea() const { return mvarBasalArea; }
    void SetBasalArea(std::shared_ptr<quorlex::BasalArea> vData) { mvarBasalArea = std::move(vData); }
    std::shared_ptr<quorlex::FuelLoad> GetFuelLoad() const { return mvarFuelLoad; }
    void SetFuelLoad(std::shared_ptr<quorlex::FuelLoad> vData) { mvarFuelLoad = std::move(vData); }
    std::shared_ptr<quorlex::Energy> GetEnergy() const { return mvarEnergy; }
    void SetEnergy(std::shared_ptr<quorlex::Energy> vData) { mvarEnergy = std::move(vData); }
    std::shared_ptr<quorlex::FireLineIntensity> GetFireLineIntensity() const { return mvarFireLineIntensity; }
    void SetFireLineIntensity(std::shared_ptr<quorlex::FireLineIntensity> vData) {
        mvarFireLineIntensity = std::move(vData);
    }
    std::shared_ptr<quorlex::Speed> GetSpeed() const { return mvarSpeed; }
    void SetSpeed(std::shared_ptr<quorlex::Speed> vData) { mvarSpeed = std::move(vData); }
    std::shared_ptr<quorlex::Length> GetLength() const { return mvarLength; }
    void SetLength(std::shared_ptr<quorlex::Length> vData) { mvarLength = std::move(vData); }
    std::shared_ptr<quorlex::HeatContent> GetHeatContent() const { return mvarHeatContent; }
    void SetHeatContent(std::shared_ptr<quorlex::HeatContent> vData) { mvarHeatContent = std::move(vData); }
    std::shared_ptr<quorlex::AreaIntensity> GetAreaIntensity() const { return mvarAreaIntensity; }
    void SetAreaIntensity(std::shared_ptr<quorlex::AreaIntensity> vData) {
        mvarAreaIntensity = std::move(vData);
    }
    std::shared_ptr<quorlex::BulkDensity> GetBulkDensity() const { return mvarBulkDensity; }
    void SetBulkDensity(std::shared_ptr<quorlex::BulkDensity> vData) { mvarBulkDensity = std::move(vData); }
    std::shared_ptr<quorlex::Area> GetArea() const { return mvarArea; }
    void SetArea(std::shared_ptr<quorlex::Area> vData) { mvarArea = std::move(vData); }

    // Weight's accessors alone guard their assignment: a failure is raised as program error 9999 with the
    // source "Convert:Weight Property Get" or "... Set".
    std::shared_ptr<quorlex::Weight> GetWeight() const;
    void SetWeight(std::shared_ptr<quorlex::Weight> vData);

    // The converter of a category index (0 Weight ... 16 SurfaceToVolume), or none outside the catalogue.
    std::shared_ptr<UnitConverter> ConverterOfCategory(int index) const;

    // The fields are public, as the converters may be read and replaced directly.
    std::shared_ptr<quorlex::SurfaceToVolume> mvarSurfaceToVolume;
    std::shared_ptr<quorlex::Weight> mvarWeight;
    std::shared_ptr<quorlex::Length> mvarLength;
    std::shared_ptr<quorlex::Area> mvarArea;
    std::shared_ptr<quorlex::BulkDensity> mvarBulkDensity;
    std::shared_ptr<quorlex::AreaIntensity> mvarAreaIntensity;
    std::shared_ptr<quorlex::HeatContent> mvarHeatContent;
    std::shared_ptr<quorlex::Speed> mvarSpeed;
    std::shared_ptr<quorlex::FireLineIntensity> mvarFireLineIntensity;
    std::shared_ptr<quorlex::Energy> mvarEnergy;
    std::shared_ptr<quorlex::FuelLoad> mvarFuelLoad;
    std::shared_ptr<quorlex::BasalArea> mvarBasalArea;
    std::shared_ptr<quorlex::Temperature> mvarTemperature;
    std::shared_ptr<quorlex::Pressure> mvarPressure;
    std::shared_ptr<quorlex::Angle> mvarAngle;
    std::shared_ptr<quorlex::HeatUnitArea> mvarHeatUnitArea;
    std::shared_ptr<quorlex::Slope> mvarSlope;
};

} // namespace quorlex
