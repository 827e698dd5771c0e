#pragma once

#include <cstdint>

// The message vocabulary of the flat frames: window message numbers, notification codes and the style and
// index values that go with them, with the numbers the window system has always used for them.
namespace quorlex::messages {

// Window message numbers.
namespace Msg {
inline constexpr std::int32_t GotFocus = 0x0007;
inline constexpr std::int32_t LostFocus = 0x0008;
inline constexpr std::int32_t Paint = 0x000F;
inline constexpr std::int32_t MouseActivate = 0x0021;
inline constexpr std::int32_t Command = 0x0111;
inline constexpr std::int32_t Timer = 0x0113;
inline constexpr std::int32_t MouseMove = 0x0200;
inline constexpr std::int32_t LeftButtonDown = 0x0201;
inline constexpr std::int32_t RightButtonDown = 0x0204;
inline constexpr std::int32_t MiddleButtonDown = 0x0207;
} // namespace Msg

// Messages sent to a combo box.
namespace ComboMsg {
inline constexpr std::int32_t GetDroppedState = 0x0157;
} // namespace ComboMsg

// Combo box notification codes: the high word of the command message's wParam, the combo box's handle its
// lParam.
namespace ComboNotify {
inline constexpr std::int32_t CloseUp = 8;
} // namespace ComboNotify

// Key state flags of mouse messages (wParam).
namespace KeyState {
inline constexpr std::int32_t LeftButton = 0x0001;
inline constexpr std::int32_t RightButton = 0x0002;
inline constexpr std::int32_t MiddleButton = 0x0010;
} // namespace KeyState

// Hit-test codes: where a click landed (low word of the mouse-activate message's lParam).
namespace HitTest {
inline constexpr std::int32_t Client = 1;
} // namespace HitTest

// Indexes of the window values WindowLong reads.
namespace WindowLongIndex {
inline constexpr std::int32_t Style = -16;
} // namespace WindowLongIndex

// The windows RelatedWindow finds.
namespace WindowRelation {
inline constexpr std::int32_t Child = 5;
} // namespace WindowRelation

// Combo box styles. Both drop-down styles carry the bit of value 2.
namespace ComboStyle {
inline constexpr std::int32_t Simple = 1;
inline constexpr std::int32_t DropDown = 2;
inline constexpr std::int32_t DropDownList = 3;
} // namespace ComboStyle

// Indexes of SystemMetric.
namespace SystemMetricIndex {
inline constexpr std::int32_t HScrollThumbWidth = 10; // the width of a horizontal scroll bar's thumb
} // namespace SystemMetricIndex

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
