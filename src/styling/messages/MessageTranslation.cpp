#include "styling/messages/MessageTranslation.h"

#include "styling/messages/WindowMessages.h"
#include "styling/messages/WindowTimers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWidget>

namespace quorlex::messages {

namespace {

std::int32_t KeyStateFlags(Qt::MouseButtons buttons) {
    std::int32_t flags = 0;
    if (buttons.testFlag(Qt::LeftButton)) {
        flags |= MK_LBUTTON;
    }
    if (buttons.testFlag(Qt::RightButton)) {
        flags |= MK_RBUTTON;
    }
    if (buttons.testFlag(Qt::MiddleButton)) {
        flags |= MK_MBUTTON;
    }
    return flags;
}

std::int32_t ButtonDownMessage(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return WM_RBUTTONDOWN;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN;
    default:
        return WM_LBUTTONDOWN;
    }
}

std::int32_t PackedPosition(const QMouseEvent &mouse) {
    const QPoint position = mouse.position().toPoint();
    return MakeLong(position.x(), position.y());
}

// The combo box whose popup list `watched` is, or nullptr.
QComboBox *ComboOfListPopup(QObject *watched) {
    if (!watched->isWidgetType()) {
        return nullptr;
    }
    auto *widget = static_cast<QWidget *>(watched);
    if (!widget->isWindow()) {
        return nullptr;
    }
    // While a combo box is being destroyed it is no longer a QComboBox, and the cast gives nullptr.
    auto *combo = qobject_cast<QComboBox *>(widget->parentWidget());
    if (combo == nullptr || ComboListPopup(*combo) != widget) {
        return nullptr;
    }
    return combo;
}

} // namespace

QWidget *ComboListPopup(QComboBox &combo) {
    QAbstractItemView *view = combo.view();
    return view != nullptr ? view->parentWidget() : nullptr;
}

std::optional<WindowMessage> TranslateEvent(QObject *watched, const QEvent *event) {
    if (!watched->isWidgetType()) {
        return std::nullopt;
    }
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::Paint:
        return WindowMessage{HandleOf(widget), WM_PAINT, 0, 0};
    case QEvent::FocusIn:
        return WindowMessage{HandleOf(widget), WM_SETFOCUS, 0, 0};
    case QEvent::FocusOut:
        return WindowMessage{HandleOf(widget), WM_KILLFOCUS, 0, 0};
    case QEvent::MouseMove: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        return WindowMessage{HandleOf(widget), WM_MOUSEMOVE, KeyStateFlags(mouse.buttons()),
                             PackedPosition(mouse)};
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        return WindowMessage{HandleOf(widget), WM_MOUSEACTIVATE, HandleOf(widget->window()),
                             MakeLong(HTCLIENT, ButtonDownMessage(mouse.button()))};
    }
    case QEvent::Timer: {
        const auto &timer = static_cast<const QTimerEvent &>(*event);
        const auto id = WindowTimerId(widget, timer.timerId());
        if (!id) {
            return std::nullopt;
        }
        return WindowMessage{HandleOf(widget), WM_TIMER, *id, 0};
    }
    case QEvent::Hide: {
        QComboBox *combo = ComboOfListPopup(watched);
        if (combo == nullptr || combo->parentWidget() == nullptr) {
            return std::nullopt;
        }
        return WindowMessage{HandleOf(combo->parentWidget()), WM_COMMAND, MakeLong(0, CBN_CLOSEUP),
                             HandleOf(combo)};
    }
    default:
        return std::nullopt;
    }
}

} // namespace quorlex::messages
