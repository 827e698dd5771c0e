#pragma once

#include <cstdint>

// The message vocabulary of the flat frames: window message numbers, notification codes and the style and
// index values that go with them, with the numbers the window system has always used for them.
namespace quorlex::messages {

inline constexpr std::int32_t WM_SETFOCUS = 0x0007;
inline constexpr std::int32_t WM_KILLFOCUS = 0x0008;
inline constexpr std::int32_t WM_PAINT = 0x000F;
inline constexpr std::int32_t WM_MOUSEACTIVATE = 0x0021;
inline constexpr std::int32_t WM_COMMAND = 0x0111;
inline constexpr std::int32_t WM_TIMER = 0x0113;
inline constexpr std::int32_t WM_MOUSEMOVE = 0x0200;
inline constexpr std::int32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr std::int32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr std::int32_t WM_MBUTTONDOWN = 0x0207;

// Combo box message and notification codes (the notification code is the high word of WM_COMMAND's
// wParam, the combo box's handle its lParam).
inline constexpr std::int32_t CB_GETDROPPEDSTATE = 0x0157;
inline constexpr std::int32_t CBN_CLOSEUP = 8;

// Key state flags of mouse messages (wParam).
inline constexpr std::int32_t MK_LBUTTON = 0x0001;
inline constexpr std::int32_t MK_RBUTTON = 0x0002;
inline constexpr std::int32_t MK_MBUTTON = 0x0010;

// Hit-test code of a click in a client area (low word of WM_MOUSEACTIVATE's lParam).
inline constexpr std::int32_t HTCLIENT = 1;

// GetWindowLongA index of the window style, GetWindow command of the first child.
inline constexpr std::int32_t GWL_STYLE = -16;
inline constexpr std::int32_t GW_CHILD = 5;

// Combo box styles. Both drop-down styles carry the bit of value 2.
inline constexpr std::int32_t CBS_SIMPLE = 1;
inline constexpr std::int32_t CBS_DROPDOWN = 2;
inline constexpr std::int32_t CBS_DROPDOWNLIST = 3;

// GetSystemMetrics index of the width of a horizontal scroll bar's thumb.
inline constexpr std::int32_t SM_CXHTHUMB = 10;

// Packs two 16-bit words into a 32-bit message parameter (low word first).
constexpr std::int32_t MakeLong(std::int32_t low, std::int32_t high) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(high) << 16) |
                                     (static_cast<std::uint32_t>(low) & 0xFFFFu));
}

constexpr std::int32_t LoWord(std::int32_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

constexpr std::int32_t HiWord(std::int32_t value) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(value) >> 16) & 0xFFFFu);
}

} // namespace quorlex::messages
