#include "engine/Convert.h"

#include "errors/modErrorHandling.h"

namespace quorlex {

Convert::Convert() {
    // The order in which the converters come into being.
    mvarWeight = std::make_shared<quorlex::Weight>();
    mvarLength = std::make_shared<quorlex::Length>();
    mvarArea = std::make_shared<quorlex::Area>();
    mvarSurfaceToVolume = std::make_shared<quorlex::SurfaceToVolume>();
    mvarBulkDensity = std::make_shared<quorlex::BulkDensity>();
    mvarAreaIntensity = std::make_shared<quorlex::AreaIntensity>();
    mvarHeatContent = std::make_shared<quorlex::HeatContent>();
    mvarSpeed = std::make_shared<quorlex::Speed>();
    mvarFireLineIntensity = std::make_shared<quorlex::FireLineIntensity>();
    mvarEnergy = std::make_shared<quorlex::Energy>();
    mvarFuelLoad = std::make_shared<quorlex::FuelLoad>();
    mvarBasalArea = std::make_shared<quorlex::BasalArea>();
    mvarTemperature = std::make_shared<quorlex::Temperature>();
    mvarPressure = std::make_shared<quorlex::Pressure>();
    mvarAngle = std::make_shared<quorlex::Angle>();
    mvarHeatUnitArea = std::make_shared<quorlex::HeatUnitArea>();
    mvarSlope = std::make_shared<quorlex::Slope>();
}

std::shared_ptr<quorlex::Weight> Convert::GetWeight() const {
    try {
        return mvarWeight;
    } catch (...) {
        modErrorHandling::RaiseError(9999, "Convert:Weight Property Get");
    }
}

void Convert::SetWeight(std::shared_ptr<quorlex::Weight> vData) {
    try {
        mvarWeight = std::move(vData);
    } catch (...) {
        modErrorHandling::RaiseError(9999, "Convert:Weight Property Set");
    }
}

std::shared_ptr<UnitConverter> Convert::ConverterOfCategory(int index) const {
    switch (index) {
    case 0:
        return GetWeight();
    case 1:
        return GetLength();
    case 2:
        return GetArea();
    case 3:
        return GetBulkDensity();
    case 4:
        return GetAreaIntensity();
    case 5:
        return GetHeatContent();
    case 6:
        return GetSpeed();
    case 7:
        return GetFireLineIntensity();
    case 8:
        return GetEnergy();
    case 9:
        return GetFuelLoad();
    case 10:
        return GetBasalArea();
    case 11:
        return GetTemperature();
    case 12:
        return GetPressure();
    case 13:
        return GetAngle();
    case 14:
        return GetHeatUnitArea();
    case 15:
        return GetSlope();
    case 16:
        return GetSurfaceToVolume();
    default:
        return nullptr;
    }
}

} // namespace quorlex
