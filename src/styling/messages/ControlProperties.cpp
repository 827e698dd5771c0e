#include "styling/messages/ControlProperties.h"

#include "errors/RuntimeError.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quorlex::messages {

namespace {

constexpr std::int32_t kErrPropertyNotSupported = 438;

[[noreturn]] void RaiseNotSupported() {
    throw RuntimeError(kErrPropertyNotSupported, "Quorlex", "Object doesn't support this property or method");
}

// Multi-line text boxes: both Qt text edit classes are frames.
QFrame *MultiLineTextBox(QWidget &control) {
    if (auto *text = qobject_cast<QTextEdit *>(&control)) {
        return text;
    }
    return qobject_cast<QPlainTextEdit *>(&control);
}

} // namespace

void SetAppearance(QWidget &control, std::int16_t appearance) {
    if (auto *combo = qobject_cast<QComboBox *>(&control)) {
        combo->setFrame(appearance != 0);
        return;
    }
    if (qobject_cast<QLineEdit *>(&control) != nullptr) {
        return;
    }
    if (QFrame *text = MultiLineTextBox(control)) {
        text->setFrameShadow(appearance != 0 ? QFrame::Sunken : QFrame::Plain);
        return;
    }
    RaiseNotSupported();
}

void SetBorderStyle(QWidget &control, std::int16_t borderStyle) {
    if (auto *edit = qobject_cast<QLineEdit *>(&control)) {
        edit->setFrame(borderStyle != 0);
        return;
    }
    if (QFrame *text = MultiLineTextBox(control)) {
        text->setFrameShape(borderStyle != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
        return;
    }
    RaiseNotSupported();
}

bool Locked(const QWidget &control) {
    if (const auto *edit = qobject_cast<const QLineEdit *>(&control)) {
        return edit->isReadOnly();
    }
    if (const auto *text = qobject_cast<const QTextEdit *>(&control)) {
        return text->isReadOnly();
    }
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(&control)) {
        return text->isReadOnly();
    }
    if (qobject_cast<const QComboBox *>(&control) != nullptr) {
        return false;
    }
    RaiseNotSupported();
}

} // namespace quorlex::messages
