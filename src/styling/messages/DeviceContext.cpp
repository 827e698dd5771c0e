#include "styling/messages/DeviceContext.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace quorlex::messages {

namespace {

constexpr ObjectHandle kStockBlackPen = 1;

bool DrawsSomething(std::int32_t style, std::int32_t color) {
    return style != kPenNull && (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0;
}

QColor ColorOf(std::int32_t color) {
    const auto value = static_cast<std::uint32_t>(color);
    return {static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
            static_cast<int>((value >> 16) & 0xFFu)};
}

} // namespace

DeviceContext::DeviceContext(QPainter &painter)
    : painter_(painter), selected_(kStockBlackPen), lastHandle_(kStockBlackPen) {
    pens_.emplace(kStockBlackPen, Pen{kPenSolid, 1, 0});
}

PenHandle DeviceContext::MakePen(std::int32_t style, std::int32_t width, std::int32_t color) {
    if (width < 0) {
        return 0;
    }
    const PenHandle handle = ++lastHandle_;
    pens_.emplace(handle, Pen{style, std::max(width, 1), color});
    return handle;
}

ObjectHandle DeviceContext::Select(ObjectHandle object) {
    if (!pens_.contains(object)) {
        return 0;
    }
    const ObjectHandle previous = selected_;
    selected_ = object;
    return previous;
}

bool DeviceContext::Delete(ObjectHandle object) {
    if (object == kStockBlackPen || object == selected_) {
        return false;
    }
    return pens_.erase(object) == 1;
}

bool DeviceContext::MoveTo(std::int32_t x, std::int32_t y, PixelPoint *previous) {
    if (previous != nullptr) {
        *previous = position_;
    }
    position_ = PixelPoint{x, y};
    return true;
}

bool DeviceContext::DrawLineTo(std::int32_t x, std::int32_t y) {
    const Pen &pen = pens_.at(selected_);
    const PixelPoint from = position_;
    position_ = PixelPoint{x, y};
    if (!DrawsSomething(pen.style, pen.color) || (from.x == x && from.y == y)) {
        return true;
    }
    if (from.y == y) {
        // Horizontal: from the start up to the pixel before the end.
        const std::int32_t first = from.x < x ? from.x : x + 1;
        Plot(first, y, std::abs(x - from.x), 1, pen);
    } else if (from.x == x) {
        const std::int32_t first = from.y < y ? from.y : y + 1;
        Plot(x, first, 1, std::abs(y - from.y), pen);
    } else {
        // Any other direction: Bresenham's steps, the end point left out.
        const std::int32_t dx = std::abs(x - from.x);
        const std::int32_t dy = -std::abs(y - from.y);
        const std::int32_t sx = from.x < x ? 1 : -1;
        const std::int32_t sy = from.y < y ? 1 : -1;
        std::int32_t error = dx + dy;
        std::int32_t px = from.x;
        std::int32_t py = from.y;
        while (px != x || py != y) {
            Plot(px, py, 1, 1, pen);
            const std::int32_t doubled = 2 * error;
            if (doubled >= dy) {
                error += dy;
                px += sx;
            }
            if (doubled <= dx) {
                error += dx;
                py += sy;
            }
        }
    }
    return true;
}

void DeviceContext::Plot(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                         const Pen &pen) {
    // A wider pen is centred on the line, as the window system draws it.
    const std::int32_t grow = (pen.width - 1) / 2;
    painter_.fillRect(x - grow, y - grow, width + pen.width - 1, height + pen.width - 1, ColorOf(pen.color));
}

} // namespace quorlex::messages
