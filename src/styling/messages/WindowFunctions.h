#pragma once

#include "styling/messages/WindowGeometry.h"
#include "styling/messages/WindowHandle.h"

#include <cstdint>
#include <string_view>

// The window functions the flat frames use, by their window-system names, answered by Qt. Positions are
// pixels; "screen" coordinates are Qt's global coordinates. Every function accepts a handle that names no
// window and then answers 0, false or an empty rectangle.
namespace quorlex::messages {

// The window with the keyboard focus in this application, 0 when none has it.
HWND GetFocus();

// The mouse position in screen coordinates.
bool GetCursorPos(POINT &point);

// The window's rectangle in screen coordinates.
bool GetWindowRect(HWND hwnd, RECT &rect);

// The window's client area: 0, 0, width, height.
bool GetClientRect(HWND hwnd, RECT &rect);

// Turns a screen point into the window's client coordinates.
bool ScreenToClient(HWND hwnd, POINT &point);

// The parent window; 0 for a top-level window.
HWND GetParent(HWND hwnd);

// With GW_CHILD, the window's first child: the first of its child widgets that is not a window of its own
// (an editable combo box's text part, for instance). 0 for any other command or when there is none.
HWND GetWindow(HWND hwnd, std::int32_t command);

// The first child of `parent` after `childAfter` (0: from the start) whose type name (see TypeName) is
// `typeName`; the window title is not compared.
HWND FindWindowExA(HWND parent, HWND childAfter, std::string_view typeName);

// With GWL_STYLE, the style bits the flat frames look at: CBS_DROPDOWN for an editable combo box,
// CBS_DROPDOWNLIST for a selection-only one, 0 for every other window. 0 for any other index.
std::int32_t GetWindowLongA(HWND hwnd, std::int32_t index);

bool IsWindowEnabled(HWND hwnd);

// True when the widget and all its parents are shown.
bool IsWindowVisible(HWND hwnd);

// With CB_GETDROPPEDSTATE, non-zero while the combo box shows its list. 0 for any other message.
std::int32_t SendMessageA(HWND hwnd, std::int32_t msg, std::int32_t wParam, std::int32_t lParam);

// With SM_CXHTHUMB, the width of a scroll bar's thumb in the application's style. 0 for any other index.
std::int32_t GetSystemMetrics(std::int32_t index);

// The rectangle of a combo box's drop button in its client coordinates, as its style draws it. False for
// any other window.
bool GetComboBoxButtonRect(HWND hwnd, RECT &button);

// Asks for a repaint of the rectangle (client coordinates) of the window, or of all of it for nullptr.
// The window paints at the next turn of the event loop.
bool InvalidateRect(HWND hwnd, const RECT *rect);

} // namespace quorlex::messages
