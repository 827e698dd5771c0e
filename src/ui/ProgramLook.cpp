#include "ui/ProgramLook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStringList>
#include <QStyleOption>

namespace quorlex {

namespace {

// Liberation Sans first; the others share its metrics or come close, for a machine without it.
const QStringList kSansFamilies{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                                QStringLiteral("sans-serif")};

constexpr double kPointSize = 8.25;
// Horizontal stretch of the dialog font in percent.
constexpr int kDialogStretch = 90;

// Fusion, with group frames drawn as a plain etched line: the inside of a frame shows the window's own
// colour, as do the option buttons inside it.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    // Option-button circles of 12 pixels, so that they fit the 13-pixel-high option buttons whole.
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override {
        if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight) {
            return 12;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QRect frame = option->rect.adjusted(0, 0, -1, -1);
        painter->save();
        painter->setBrush(Qt::NoBrush);
        painter->setPen(option->palette.color(QPalette::Dark));
        painter->drawRect(frame.adjusted(0, 0, -1, -1));
        painter->setPen(option->palette.color(QPalette::Light));
        painter->drawRect(frame.adjusted(1, 1, 0, 0));
        painter->restore();
    }
};

QFont SansFont(int stretch) {
    QFont font;
    font.setFamilies(kSansFamilies);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kPointSize);
    font.setStretch(stretch);
    return font;
}

} // namespace

void ApplyProgramLook() {
    auto *style = new ProgramStyle;
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    QApplication::setFont(DialogFont());
}

QFont DialogFont() {
    return SansFont(kDialogStretch);
}

QFont CreditsFont() {
    return SansFont(QFont::Unstretched);
}

QFont ResultFont() {
    QFont font = DialogFont();
    font.setBold(true);
    return font;
}

} // namespace quorlex
