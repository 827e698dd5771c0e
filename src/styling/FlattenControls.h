#pragma once

#include "styling/cFlatControl.h"

#include <cstdint>

class QWidget;

namespace quorlex {

// Gives a window's combo boxes and text boxes the flat look: each loses its 3D frame (text boxes their
// border too), and each combo box and each text box that is not read-only gets a painter of its own, which
// draws its frame from then on. Text boxes end one pixel smaller on every side. Controls are taken in the
// order of the window's controls (see Controls); every other control is left alone. The window calls this
// once, as the first step of its start-up, before it is shown and with its controls in their places.
//
// The painters are kept in a program-wide list that only grows; they live, and keep painting, until the
// program ends. A second call for the same window gives every control a second painter.
void FlattenControls(QWidget &form);

// The number of painters created so far; the newest one is FlatControls(FlatControlCount()).
std::int32_t FlatControlCount();

// The painter at position `index`, 1 to FlatControlCount(). Raises run-time error 9 outside.
cFlatControl &FlatControls(std::int32_t index);

} // namespace quorlex
