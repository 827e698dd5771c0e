#pragma once

#include <QColor>

class QPainter;
class QPalette;
class QRect;
class QWidget;

namespace quorlex {

// The colour of the program's keyboard-focus ring: a dark shade of the palette's highlight colour, which
// stands out (a contrast of well over 3:1) against the light faces of the push buttons, plain or under the
// pointer, and against the scroll bar and the window.
QColor FocusRingColor(const QPalette &palette);

// Draws the focus ring, a solid line `width` pixels wide, along the inside of the rectangle.
void DrawFocusRing(QPainter &painter, const QRect &rect, const QPalette &palette, int width);

// Gives a control whose style shows no focus of its own (the scroll bar) the focus ring: two pixels wide
// along its edge, drawn over the finished control while it has the keyboard focus. Lasts as long as the
// control.
void ShowFocusRing(QWidget &control);

} // namespace quorlex
