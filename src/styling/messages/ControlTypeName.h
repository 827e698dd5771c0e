#pragma once

#include <string>

class QWidget;

namespace quorlex::messages {

// The type name of a control, decided by its Qt class (subclasses included), in the names the window's
// design uses: "ComboBox" (QComboBox), "TextBox" (QLineEdit, QTextEdit, QPlainTextEdit), "Label" (QLabel),
// "CommandButton" (QPushButton), "OptionButton" (QRadioButton), "CheckBox" (QCheckBox), "Frame"
// (QGroupBox), "HScrollBar" / "VScrollBar" (QScrollBar by orientation), "ListBox" (QListView), "Form" for
// a window; any other class is named by its own class name.
std::string TypeName(const QWidget &control);

// False for controls that are drawn by their container and have no window of their own: labels.
bool HasWindow(const QWidget &control);

} // namespace quorlex::messages
