#include "engine/Convert.h"

#include "engine/Catalogue.h"
#include "errors/modErrorHandling.h"

namespace quorlex {

Convert::Convert() {
    for (const auto &category : Catalogue()) {
        category.storeIn(*this, category.makeConverter());
    }
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
    if (index < 0 || index >= kCategoryCount) {
        return nullptr;
    }
    return Catalogue()[static_cast<std::size_t>(index)].takeFrom(*this);
}

} // namespace quorlex
