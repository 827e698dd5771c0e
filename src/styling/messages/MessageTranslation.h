#pragma once

#include "styling/messages/WindowHandle.h"

#include <cstdint>
#include <optional>

class QComboBox;
class QEvent;
class QObject;
class QWidget;

namespace quorlex::messages {

// One window message: the window it is sent to, its number and its two parameters.
struct WindowMessage {
    WindowHandle hwnd = 0;
    std::int32_t msg = 0;
    std::int32_t wParam = 0;
    std::int32_t lParam = 0;
};

// The window message that a Qt event of `watched` stands for, or nullopt for events without one:
// - paint: kMsgPaint;
// - focus in / out: kMsgGotFocus / kMsgLostFocus;
// - mouse move (with or without a button held): kMsgMouseMove, key state flags in wParam, the position in
//   the widget in lParam (x low word, y high word);
// - mouse press or double click: kMsgMouseActivate, the top-level window in wParam, kHitTestClient and
//   the button's down message in lParam;
// - a tick of a window timer of the widget (see WindowTimers): kMsgTimer with the timer id in wParam;
// - the hiding of a combo box's popup list: kMsgCommand sent to the combo box's parent, kComboCloseUp in
//   the high word of wParam (Qt has no control ids, so the low word is 0) and the combo box in lParam.
std::optional<WindowMessage> TranslateEvent(QObject *watched, const QEvent *event);

// The popup window that shows a combo box's list. Qt creates it on first request.
QWidget *ComboListPopup(QComboBox &combo);

} // namespace quorlex::messages
