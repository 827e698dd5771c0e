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
        flags |= kLeftButtonHeld;
    }
    if (buttons.testFlag(Qt::RightButton)) {
        flags |= kRightButtonHeld;
    }
    if (buttons.testFlag(Qt::MiddleButton)) {
        flags |= kMiddleButtonHeld;
    }
    return flags;
}

std::int32_t ButtonDownMessage(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return kMsgRightButtonDown;
    case Qt::MiddleButton:
        return kMsgMiddleButtonDown;
    default:
        return kMsgLeftButtonDown;
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
        return WindowMessage{HandleOf(widget), kMsgPaint, 0, 0};
    case QEvent::FocusIn:
        return WindowMessage{HandleOf(widget), kMsgGotFocus, 0, 0};
    case QEvent::FocusOut:
        return WindowMessage{HandleOf(widget), kMsgLostFocus, 0, 0};
    case QEvent::MouseMove: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        return WindowMessage{HandleOf(widget), kMsgMouseMove, KeyStateFlags(mouse.buttons()),
                             PackedPosition(mouse)};
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        return WindowMessage{HandleOf(widget), kMsgMouseActivate, HandleOf(widget->window()),
                             MakeLong(kHitTestClient, ButtonDownMessage(mouse.button()))};
    }
    case QEvent::Timer: {
        const auto &timer = static_cast<const QTimerEvent &>(*event);
        const auto id = WindowTimerId(widget, timer.timerId());
        if (!id) {
            return std::nullopt;
        }
        return WindowMessage{HandleOf(widget), kMsgTimer, *id, 0};
    }
    case QEvent::Hide: {
        QComboBox *combo = ComboOfListPopup(watched);
        if (combo == nullptr || combo->parentWidget() == nullptr) {
            return std::nullopt;
        }
        return WindowMessage{HandleOf(combo->parentWidget()), kMsgCommand, MakeLong(0, kComboCloseUp),
                             HandleOf(combo)};
    }
    default:
        return std::nullopt;
    }
}

} // namespace quorlex::messages
