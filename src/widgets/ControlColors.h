#pragma once

#include "widgets/OleColor.h"

class QWidget;

namespace quorlex {

// A control's back colour: the colour its background is filled with. System colours are read from the
// application palette, so a control's own earlier colours never feed back into them. A colour that cannot
// be translated leaves the control as it was. Returns whether the colour was applied.
bool SetBackColor(QWidget &control, OleColor color);

// A control's fore colour: the colour of its text (labels, option buttons, check boxes and text boxes
// alike); the mark of a check box or option button keeps the style's colour. Same translation and
// failure rule as SetBackColor.
bool SetForeColor(QWidget &control, OleColor color);

} // namespace quorlex
