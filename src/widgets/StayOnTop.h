#pragma once

class QWidget;

namespace quorlex {

// Puts the top-level window of `widget` into the band of windows kept above all others (on = true) or takes
// it out again, without moving, resizing, hiding or re-creating it, then lets all pending events run before
// returning.
void SetStayOnTop(QWidget &widget, bool on);

// Whether the top-level window of `widget` is in the band of windows kept above all others.
bool IsStayOnTop(const QWidget &widget);

} // namespace quorlex
