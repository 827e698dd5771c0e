#include "styling/FlattenControls.h"

#include "errors/RuntimeError.h"
#include "styling/messages/ControlProperties.h"
#include "styling/messages/ControlTypeName.h"
#include "styling/messages/FormControls.h"

#include <QWidget>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace quorlex {

using namespace messages;

namespace {

constexpr const char *kSource = "Quorlex.FlattenControls";

// The only owner of the painters. Released with the program's static data; each painter then ends its
// subscriptions.
std::vector<std::unique_ptr<cFlatControl>> &Painters() {
    static std::vector<std::unique_ptr<cFlatControl>> painters;
    return painters;
}

void AddPainter(QWidget &control) {
    auto &painters = Painters();
    if (painters.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        RaiseStandardError(kErrOverflow, kSource);
    }
    painters.push_back(std::make_unique<cFlatControl>());
    painters.back()->Attach(&control);
}

} // namespace

void FlattenControls(QWidget &form) {
    for (QWidget *control : Controls(form)) {
        const std::string typeName = TypeName(*control);
        if (typeName == "ComboBox") {
            SetAppearance(*control, 0);
            AddPainter(*control);
        } else if (typeName == "TextBox") {
            SetAppearance(*control, 0);
            SetBorderStyle(*control, 0);
            if (!Locked(*control)) {
                AddPainter(*control);
            }
        }
    }
}

std::int32_t FlatControlCount() {
    return static_cast<std::int32_t>(Painters().size());
}

cFlatControl &FlatControls(std::int32_t index) {
    if (index < 1 || index > FlatControlCount()) {
        RaiseStandardError(kErrSubscriptOutOfRange, kSource);
    }
    return *Painters()[static_cast<std::size_t>(index - 1)];
}

} // namespace quorlex
