#pragma once

#include <cstdint>

class QWidget;

namespace quorlex::messages {

// A window handle: the program's own opaque reference to a widget, 0 for none. Handles are handed out on
// first use, never reused, and do not turn widgets into native windows.
using WindowHandle = std::int32_t;

// The handle of a widget, the same for the widget's whole life; 0 for no widget.
WindowHandle HandleOf(QWidget *widget);

// The widget a handle refers to; nullptr for 0, for a handle never handed out and for a widget that no
// longer exists.
QWidget *WidgetOf(WindowHandle handle);

} // namespace quorlex::messages
