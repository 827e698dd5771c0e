#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>
#include <optional>

namespace quorlex {

// Colours as the window's design values give them: 32-bit OLE colours &H00BBGGRR (red in the low byte),
// or, with the top bit set, a system colour named by the index in the low byte (SysColor::Window 5,
// SysColor::BtnFace 15, SysColor::BtnShadow 16, SysColor::BtnHighlight 20, ...).
using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000u;

// System colour indexes used by the window and the flat frames.
namespace SysColor {
enum Index : std::uint32_t {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    BtnFace = 15,
    BtnShadow = 16,
    GrayText = 17,
    BtnText = 18,
    InactiveCaptionText = 19,
    BtnHighlight = 20,
    DkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBk = 24,
};
} // namespace SysColor

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
// (SysColor::BtnFace is the Button role, SysColor::BtnShadow Dark, SysColor::BtnHighlight Light,
// SysColor::Window Base, ...). Fails (nullopt) for a system index the palette has no role for, or for any
// other value with high bits set, as the window system's translation does.
std::optional<QColor> TranslateOleColor(OleColor color, const QPalette &palette);

// The same, as the 24-bit RGB value 0x00BBGGRR, or -1 when the translation fails.
std::int32_t TranslateOleColorToRgb(OleColor color, const QPalette &palette);

} // namespace quorlex
