#pragma once

#include "styling/messages/WindowHandle.h"

#include <cstdint>
#include <optional>

class QObject;

namespace quorlex::messages {

// Window timers: a timer set on a window with an id of the caller's choice, whose ticks arrive at that
// window as kMsgTimer with the id as wParam (see SubclassComponent). Each tick is the widget's own timer
// event.

// Sets timer `id` of the window to fire every `milliseconds`; setting an id that is already running
// restarts it with the new period. Returns the id, or 0 when the handle names no window.
std::int32_t StartWindowTimer(WindowHandle hwnd, std::int32_t id, std::int32_t milliseconds);

// Stops timer `id` of the window. False when there is no such timer.
bool StopWindowTimer(WindowHandle hwnd, std::int32_t id);

// The window-timer id of a timer event that reached `object`; nullopt for timers that are not window
// timers of that object.
std::optional<std::int32_t> WindowTimerId(const QObject *object, int timerId);

} // namespace quorlex::messages
