#include "widgets/ToolTipLines.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QToolTip>
#include <algorithm>

namespace quorlex {

namespace {

// Room for the tooltip's frame and margins on either side, with some to spare.
constexpr int kFrameAllowance = 32;

// The widest line a tooltip may have, in pixels; 0 when there is no screen.
int ToolTipLineWidth() {
    const auto screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        return 0;
    }
    int narrowest = screens.front()->availableGeometry().width();
    for (const QScreen *screen : screens) {
        narrowest = std::min(narrowest, screen->availableGeometry().width());
    }
    return std::max(0, narrowest - kFrameAllowance);
}

} // namespace

QString ToolTipWithinScreens(const QString &text) {
    const int width = ToolTipLineWidth();
    const QFontMetrics metrics(QToolTip::font());
    if (width <= 0 || metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    QStringList lines;
    QString line;
    for (const QChar character : text) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + character) > width) {
            lines << line;
            line.clear();
        }
        line += character;
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}

} // namespace quorlex
