#pragma once

#include <QFont>

namespace quorlex {

// The one look the program has on every desktop: the Fusion style with its own palette, so that neither
// the desktop's theme nor its colour scheme changes what the window shows, and the dialog font as the
// application font (message boxes included).
void ApplyProgramLook();

// The window's dialog font: Liberation Sans (metric-compatible with Arial) at 8.25 points, set slightly
// narrower so that every designed caption fits its designed width as it did in the narrower dialog font
// the window was laid out for.
QFont DialogFont();

// The credits line's font: Liberation Sans at 8.25 points, its natural width.
QFont CreditsFont();

// The result's font: the dialog font, bold.
QFont ResultFont();

} // namespace quorlex
