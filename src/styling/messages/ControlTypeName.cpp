#include "styling/messages/ControlTypeName.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>

namespace quorlex::messages {

std::string TypeName(const QWidget &control) {
    if (qobject_cast<const QComboBox *>(&control) != nullptr) {
        return "ComboBox";
    }
    if (qobject_cast<const QLineEdit *>(&control) != nullptr ||
        qobject_cast<const QTextEdit *>(&control) != nullptr ||
        qobject_cast<const QPlainTextEdit *>(&control) != nullptr) {
        return "TextBox";
    }
    if (qobject_cast<const QLabel *>(&control) != nullptr) {
        return "Label";
    }
    if (qobject_cast<const QPushButton *>(&control) != nullptr) {
        return "CommandButton";
    }
    if (qobject_cast<const QRadioButton *>(&control) != nullptr) {
        return "OptionButton";
    }
    if (qobject_cast<const QCheckBox *>(&control) != nullptr) {
        return "CheckBox";
    }
    if (qobject_cast<const QGroupBox *>(&control) != nullptr) {
        return "Frame";
    }
    if (const auto *scrollBar = qobject_cast<const QScrollBar *>(&control)) {
        return scrollBar->orientation() == Qt::Horizontal ? "HScrollBar" : "VScrollBar";
    }
    if (qobject_cast<const QListView *>(&control) != nullptr) {
        return "ListBox";
    }
    if (control.isWindow()) {
        return "Form";
    }
    return control.metaObject()->className();
}

bool HasWindow(const QWidget &control) {
    return qobject_cast<const QLabel *>(&control) == nullptr;
}

} // namespace quorlex::messages
