#include "widgets/ControlColors.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace quorlex {

namespace {

void SetRoleInAllGroups(QPalette &palette, QPalette::ColorRole role, const QColor &color) {
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    palette.setColor(QPalette::Disabled, role, color);
}

} // namespace

bool SetBackColor(QWidget &control, OleColor color) {
    const auto translated = TranslateOleColor(color, QApplication::palette());
    if (!translated) {
        return false;
    }
    QPalette palette = control.palette();
    // Buttons fill their background from the Button role, other controls from Window.
    SetRoleInAllGroups(palette, control.backgroundRole(), *translated);
    control.setPalette(palette);
    control.setAutoFillBackground(true);
    return true;
}

bool SetForeColor(QWidget &control, OleColor color) {
    const auto translated = TranslateOleColor(color, QApplication::palette());
    if (!translated) {
        return false;
    }
    QPalette palette = control.palette();
    // Check boxes and option buttons draw their mark in the Text colour: their fore colour is the
    // caption's alone, so the mark keeps the style's own colour.
    const bool marked = qobject_cast<QAbstractButton *>(&control) != nullptr;
    // Disabled text keeps the style's greyed colour, so a disabled control still looks disabled.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, *translated);
        if (!marked) {
            palette.setColor(group, QPalette::Text, *translated);
        }
        palette.setColor(group, QPalette::ButtonText, *translated);
    }
    control.setPalette(palette);
    return true;
}

} // namespace quorlex
