#pragma once

#include <cstdint>

// The message vocabulary of the flat frames: window message numbers, notification codes and the style and
// index values that go with them, with the numbers the window system has always used for them.
namespace quorlex::messages {

// Window message numbers.
inline constexpr std::int32_t kMsgGotFocus = 0x0007;
inline constexpr std::int32_t kMsgLostFocus = 0x0008;
inline constexpr std::int32_t kMsgPaint = 0x000F;
inline constexpr std::int32_t kMsgMouseActivate = 0x0021;
inline constexpr std::int32_t kMsgCommand = 0x0111;
inline constexpr std::int32_t kMsgTimer = 0x0113;
inline constexpr std::int32_t kMsgMouseMove = 0x0200;
inline constexpr std::int32_t kMsgLeftButtonDown = 0x0201;
inline constexpr std::int32_t kMsgRightButtonDown = 0x0204;
inline constexpr std::int32_t kMsgMiddleButtonDown = 0x0207;

// A message to a combo box, answered non-zero while its list is shown; and the notification code of the
// closing of its list (the high word of the command message's wParam, the combo box's handle its lParam).
inline constexpr std::int32_t kComboGetDroppedState = 0x0157;
inline constexpr std::int32_t kComboCloseUp = 8;

// Key state flags of mouse messages (wParam).
inline constexpr std::int32_t kLeftButtonHeld = 0x0001;
inline constexpr std::int32_t kRightButtonHeld = 0x0002;
inline constexpr std::int32_t kMiddleButtonHeld = 0x0010;

// Hit-test code of a click in a client area (low word of the mouse-activate message's lParam).
inline constexpr std::int32_t kHitTestClient = 1;

// WindowLong's index of the window style, RelatedWindow's command of the first child.
inline constexpr std::int32_t kWindowLongStyle = -16;
inline constexpr std::int32_t kFirstChild = 5;

// Combo box styles. Both drop-down styles carry the bit of value 2.
inline constexpr std::int32_t kComboStyleSimple = 1;
inline constexpr std::int32_t kComboStyleDropDown = 2;
inline constexpr std::int32_t kComboStyleDropDownList = 3;

// SystemMetric's index of the width of a horizontal scroll bar's thumb.
inline constexpr std::int32_t kHScrollThumbWidth = 10;

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
