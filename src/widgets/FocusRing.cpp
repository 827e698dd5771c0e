#include "widgets/FocusRing.h"

#include <QEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace quorlex {

namespace {

constexpr int kHighlightShade = 200; // QColor::darker: half as bright
constexpr int kControlRingWidth = 2;

// Paints the ring over its control after the control painted itself, and repaints the control when the
// focus comes or goes, since a control whose style shows no focus does not repaint for it.
class FocusRingPainter : public QObject {
public:
    explicit FocusRingPainter(QWidget &control) : QObject(&control) { control.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *control = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            control->update();
            return false;
        case QEvent::Paint:
            if (painting_) {
                return false;
            }
            painting_ = true;
            static_cast<QObject *>(control)->event(event);
            painting_ = false;
            if (control->hasFocus()) {
                QPainter painter(control);
                DrawFocusRing(painter, control->rect(), control->palette(), kControlRingWidth);
            }
            return true;
        default:
            return false;
        }
    }

private:
    bool painting_ = false;
};

} // namespace

QColor FocusRingColor(const QPalette &palette) {
    return palette.color(QPalette::Active, QPalette::Highlight).darker(kHighlightShade);
}

void DrawFocusRing(QPainter &painter, const QRect &rect, const QPalette &palette, int width) {
    const QColor color = FocusRingColor(palette);
    painter.save();
    for (int ring = 0; ring < width; ++ring) {
        const QRect line = rect.adjusted(ring, ring, -ring, -ring);
        painter.fillRect(line.left(), line.top(), line.width(), 1, color);
        painter.fillRect(line.left(), line.bottom(), line.width(), 1, color);
        painter.fillRect(line.left(), line.top(), 1, line.height(), color);
        painter.fillRect(line.right(), line.top(), 1, line.height(), color);
    }
    painter.restore();
}

void ShowFocusRing(QWidget &control) {
    new FocusRingPainter(control);
}

} // namespace quorlex
