#include "widgets/CoolButton.h"

#include "widgets/FocusRing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace quorlex {

namespace {

// The focus ring runs inside the two lines of the edges, one pixel clear of them.
constexpr int kFocusInset = 3;

bool IsEnterKey(const QKeyEvent &event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

CoolButton::CoolButton(QWidget *parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void CoolButton::SetColor(OleColor &field, OleColor color) {
    if (field != color) {
        field = color;
        update();
    }
}

void CoolButton::SetBackColor(OleColor color) {
    SetColor(backColor_, color);
}

void CoolButton::SetColorDarkShadow(OleColor color) {
    SetColor(darkShadow_, color);
}

void CoolButton::SetColorLightShadow(OleColor color) {
    SetColor(lightShadow_, color);
}

void CoolButton::SetColorHighlight(OleColor color) {
    SetColor(highlight_, color);
}

QColor CoolButton::Resolve(OleColor color, QPalette::ColorRole fallback) const {
    if (const auto translated = TranslateOleColor(color, QApplication::palette())) {
        return *translated;
    }
    return QApplication::palette().color(QPalette::Active, fallback);
}

QColor CoolButton::FaceColor() const {
    return Resolve(backColor_, QPalette::Button);
}

QColor CoolButton::DarkShadowColor() const {
    return Resolve(darkShadow_, QPalette::ButtonText);
}

QColor CoolButton::LightShadowColor() const {
    return Resolve(lightShadow_, QPalette::ButtonText);
}

QColor CoolButton::HighlightColor() const {
    return Resolve(highlight_, QPalette::ButtonText);
}

QSize CoolButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 16, metrics.height() + 10};
}

void CoolButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, FaceColor());

    const bool pressed = isDown();
    const QColor topLeft = pressed ? DarkShadowColor() : HighlightColor();
    const QColor bottomRight = pressed ? HighlightColor() : DarkShadowColor();
    const int right = area.right();
    const int bottom = area.bottom();

    painter.setPen(topLeft);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(bottomRight);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
    if (!pressed) {
        painter.setPen(LightShadowColor());
        painter.drawLine(1, bottom - 1, right - 1, bottom - 1);
        painter.drawLine(right - 1, 1, right - 1, bottom - 1);
    }

    QRect textArea = area.adjusted(2, 2, -2, -2);
    if (pressed) {
        textArea.translate(1, 1);
    }
    painter.setFont(font());
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        painter.drawText(textArea, flags, text());
    } else {
        // Engraved: a light copy one pixel down and right, the grey text over it.
        painter.setPen(QColor(Qt::white));
        painter.drawText(textArea.translated(1, 1), flags, text());
        painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(textArea, flags, text());
    }

    if (hasFocus()) {
        DrawFocusRing(painter, area.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset), palette(),
                      1);
    }
}

void CoolButton::enterEvent(QEnterEvent *event) {
    QAbstractButton::enterEvent(event);
    emit MouseEnter();
}

void CoolButton::leaveEvent(QEvent *event) {
    QAbstractButton::leaveEvent(event);
    emit MouseLeave();
}

void CoolButton::keyPressEvent(QKeyEvent *event) {
    if (IsEnterKey(*event)) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace quorlex
