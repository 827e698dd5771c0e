#pragma once

#include <QString>

namespace quorlex {

// A tooltip text broken into lines that fit the narrowest screen, wherever the tooltip shows: each line no
// wider, in the tooltip font, than that screen's available width less the tooltip's frame. A line breaks
// at any character, since a long number has no blank to break at; a text that fits stays as it is.
QString ToolTipWithinScreens(const QString &text);

} // namespace quorlex
