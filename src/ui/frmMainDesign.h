#pragma once

#include "engine/Catalogue.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace quorlex {

class CoolButton;

// Pixels at 96 dots per inch for a length in twips (15 twips make one pixel), rounded to the nearest.
constexpr int TwipsToPixels(int twips) {
    return (twips * 2 + 15) / 30;
}

// The window's client area in twips: 448 x 292 pixels.
inline constexpr int kClientWidthTwips = 6720;
inline constexpr int kClientHeightTwips = 4380;

// The designed caption; start-up appends the version.
inline constexpr const char *kDesignedCaption = "Units of Measure Conversion";

// The controls of the main window, by their names. The window owns them all.
struct frmMainControls {
    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, kCategoryCount> optType{};
    std::array<QLabel *, 2> Label1{};
    CoolButton *cmdCompute = nullptr;
    QComboBox *cboSource = nullptr;
    QLineEdit *txtIn = nullptr;
    CoolButton *cmdCopyClip = nullptr;
    QLabel *LblOut = nullptr;
    QComboBox *cboDest = nullptr;
    QCheckBox *chkOnTop = nullptr;
    QScrollBar *vsDecPlaces = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblFactor = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lblDecPlaces = nullptr;
    CoolButton *cmdExit = nullptr;
    QLabel *Label3 = nullptr;
};

// Creates every control of the window at its designed position and size, with its name, caption, colours,
// font, accessible name and description, and the keyboard tab order (the option buttons one stop in it);
// sets the window's designed caption, icon, font and fixed client size. Connects none of the window's
// handlers: the controls show their design-time state.
frmMainControls BuildControls(QWidget &form);

} // namespace quorlex
