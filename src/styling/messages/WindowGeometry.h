#pragma once

#include <cstdint>

// Points and rectangles in pixels as the window functions and the frame drawing use them. A rectangle's
// right and bottom edges are exclusive.
namespace quorlex::messages {

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const PixelPoint &, const PixelPoint &) = default;
};

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const PixelRect &, const PixelRect &) = default;
};

// True when the point lies inside the rectangle (left and top inclusive, right and bottom exclusive).
constexpr bool PointInRect(const PixelRect &rect, PixelPoint point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// Grows the rectangle by dx on the left and right and by dy on the top and bottom (shrinks for negative
// amounts).
constexpr void GrowRect(PixelRect &rect, std::int32_t dx, std::int32_t dy) {
    rect.left -= dx;
    rect.top -= dy;
    rect.right += dx;
    rect.bottom += dy;
}

// Moves the rectangle by dx and dy.
constexpr void ShiftRect(PixelRect &rect, std::int32_t dx, std::int32_t dy) {
    rect.left += dx;
    rect.top += dy;
    rect.right += dx;
    rect.bottom += dy;
}

} // namespace quorlex::messages
