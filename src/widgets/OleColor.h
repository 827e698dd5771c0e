#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>
#include <optional>

namespace quorlex {

// Colours as the window's design values give them: 32-bit OLE colours &H00BBGGRR (red in the low byte),
// or, with the top bit set, a system colour named by the index in the low byte (COLOR_WINDOW 5,
// COLOR_BTNFACE 15, COLOR_BTNSHADOW 16, COLOR_BTNHIGHLIGHT 20, ...).
using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000u;

// System colour indexes used by the window and the flat frames.
enum SystemColorIndex : std::uint32_t {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
};

// The OLE colour of a system colour index (&H80000000 + index).
constexpr OleColor SystemColor(std::uint32_t index) {
    return kSystemColorFlag | index;
}

// An RGB colour as an OLE colour.
constexpr OleColor OleRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<OleColor>(red) | (static_cast<OleColor>(green) << 8) |
           (static_cast<OleColor>(blue) << 16);
}

// Translates an OLE colour into a QColor: RGB values directly, system colours through the palette's roles
// (COLOR_BTNFACE is the Button role, COLOR_BTNSHADOW Dark, COLOR_BTNHIGHLIGHT Light, COLOR_WINDOW Base,
// ...). Fails (nullopt) for a system index the palette has no role for, or for any other value with high
// bits set, as the window system's translation does.
std::optional<QColor> TranslateOleColor(OleColor color, const QPalette &palette);

// The same, as the 24-bit RGB value 0x00BBGGRR, or -1 when the translation fails.
std::int32_t TranslateOleColorToRgb(OleColor color, const QPalette &palette);

} // namespace quorlex
