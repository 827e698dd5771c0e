#include "ui/ProgramLook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QRegion>
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

// How far the group frame's caption starts right of the frame's left line, and the gap left open in the
// top line on either side of the caption.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 2;

// Fusion, with group frames drawn as a plain etched line: the inside of a frame shows the window's own
// colour, as do the option buttons inside it. The top line runs at half the caption's height and breaks
// behind the caption, which sits a little right of the left line.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override {
        const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_GroupBox) {
            return rect;
        }
        if (part == SC_GroupBoxLabel) {
            return rect.translated(kCaptionIndent, 0);
        }
        if (part == SC_GroupBoxFrame) {
            return rect.adjusted(0, option->fontMetrics.height() / 2, 0, 0);
        }
        return rect;
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override {
        const auto *group = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !group || !(group->subControls & SC_GroupBoxFrame)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(*group);
        frame.rect = subControlRect(control, option, SC_GroupBoxFrame, widget);
        QRegion around(option->rect);
        if (!group->text.isEmpty()) {
            around -= subControlRect(control, option, SC_GroupBoxLabel, widget)
                          .adjusted(-kCaptionGap, 0, kCaptionGap, 0);
        }
        painter->save();
        painter->setClipRegion(around, Qt::IntersectClip);
        drawPrimitive(PE_FrameGroupBox, &frame, painter, widget);
        painter->restore();

        // The caption, and the rest, as the base style draws them.
        QStyleOptionGroupBox rest = *group;
        rest.subControls &= ~SC_GroupBoxFrame;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
    }

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
