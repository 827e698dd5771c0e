#pragma once

#include "styling/messages/WindowGeometry.h"
#include "styling/messages/WindowHandle.h"

#include <cstdint>
#include <string_view>

// The window functions the flat frames use, in the window system's manner (handles, results through
// reference parameters), answered by Qt. Positions are pixels; "screen" coordinates are Qt's global
// coordinates. Every function accepts a handle that names no window and then answers 0, false or an empty
// rectangle.
namespace quorlex::messages {

// The window with the keyboard focus in this application, 0 when none has it.
WindowHandle FocusWindow();

// The mouse position in screen coordinates.
bool CursorPos(PixelPoint &point);

// The window's rectangle in screen coordinates.
bool WindowRect(WindowHandle hwnd, PixelRect &rect);

// The window's client area: 0, 0, width, height.
bool ClientRect(WindowHandle hwnd, PixelRect &rect);

// Turns a screen point into the window's client coordinates.
bool MapScreenToClient(WindowHandle hwnd, PixelPoint &point);

// The parent window; 0 for a top-level window.
WindowHandle ParentWindow(WindowHandle hwnd);

// With kFirstChild, the window's first child: the first of its child widgets that is not a window of its
// own (an editable combo box's text part, for instance). 0 for any other command or when there is none.
WindowHandle RelatedWindow(WindowHandle hwnd, std::int32_t command);

// The first child of `parent` after `childAfter` (0: from the start) whose type name (see TypeName) is
// `typeName`; the window title is not compared.
WindowHandle FindChildWindow(WindowHandle parent, WindowHandle childAfter, std::string_view typeName);

// With kWindowLongStyle, the style bits the flat frames look at: kComboStyleDropDown for an editable combo
// box, kComboStyleDropDownList for a selection-only one, 0 for every other window. 0 for any other index.
std::int32_t WindowLong(WindowHandle hwnd, std::int32_t index);

bool WindowEnabled(WindowHandle hwnd);

// True when the widget and all its parents are shown.
bool WindowVisible(WindowHandle hwnd);

// With kComboGetDroppedState, non-zero while the combo box shows its list. 0 for any other message.
std::int32_t SendWindowMessage(WindowHandle hwnd, std::int32_t msg, std::int32_t wParam, std::int32_t lParam);

// With kHScrollThumbWidth, the width of a scroll bar's thumb in the application's style. 0 for any other
// index.
std::int32_t SystemMetric(std::int32_t index);

// The rectangle of a combo box's drop button in its client coordinates, as its style draws it. False for
// any other window.
bool ComboBoxButtonRect(WindowHandle hwnd, PixelRect &button);

// Asks for a repaint of the rectangle (client coordinates) of the window, or of all of it for nullptr.
// The window paints at the next turn of the event loop.
bool InvalidateWindow(WindowHandle hwnd, const PixelRect *rect);

} // namespace quorlex::messages
