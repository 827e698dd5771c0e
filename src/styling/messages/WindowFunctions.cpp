#include "styling/messages/WindowFunctions.h"

#include "styling/messages/ControlTypeName.h"
#include "styling/messages/FormControls.h"
#include "styling/messages/MessageTranslation.h"
#include "styling/messages/WindowMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace quorlex::messages {

namespace {

PixelRect RectOf(const QRect &rect) {
    return PixelRect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QWidget *FirstChildWidget(const QWidget &parent, const QWidget *after) {
    bool afterSeen = after == nullptr;
    for (QWidget *widget : ChildControls(parent)) {
        if (afterSeen) {
            return widget;
        }
        afterSeen = widget == after;
    }
    return nullptr;
}

} // namespace

WindowHandle FocusWindow() {
    return HandleOf(QApplication::focusWidget());
}

bool CursorPos(PixelPoint &point) {
    const QPoint position = QCursor::pos();
    point = PixelPoint{position.x(), position.y()};
    return true;
}

bool WindowRect(WindowHandle hwnd, PixelRect &rect) {
    QWidget *widget = WidgetOf(hwnd);
    if (widget == nullptr) {
        rect = PixelRect{};
        return false;
    }
    rect = RectOf(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
    return true;
}

bool ClientRect(WindowHandle hwnd, PixelRect &rect) {
    QWidget *widget = WidgetOf(hwnd);
    if (widget == nullptr) {
        rect = PixelRect{};
        return false;
    }
    rect = RectOf(widget->rect());
    return true;
}

bool MapScreenToClient(WindowHandle hwnd, PixelPoint &point) {
    QWidget *widget = WidgetOf(hwnd);
    if (widget == nullptr) {
        return false;
    }
    const QPoint client = widget->mapFromGlobal(QPoint(point.x, point.y));
    point = PixelPoint{client.x(), client.y()};
    return true;
}

WindowHandle ParentWindow(WindowHandle hwnd) {
    QWidget *widget = WidgetOf(hwnd);
    if (widget == nullptr || widget->isWindow()) {
        return 0;
    }
    return HandleOf(widget->parentWidget());
}

WindowHandle RelatedWindow(WindowHandle hwnd, std::int32_t command) {
    QWidget *widget = WidgetOf(hwnd);
    if (widget == nullptr || command != kFirstChild) {
        return 0;
    }
    return HandleOf(FirstChildWidget(*widget, nullptr));
}

WindowHandle FindChildWindow(WindowHandle parent, WindowHandle childAfter, std::string_view typeName) {
    QWidget *widget = WidgetOf(parent);
    if (widget == nullptr) {
        return 0;
    }
    QWidget *child = FirstChildWidget(*widget, WidgetOf(childAfter));
    while (child != nullptr && TypeName(*child) != typeName) {
        child = FirstChildWidget(*widget, child);
    }
    return HandleOf(child);
}

std::int32_t WindowLong(WindowHandle hwnd, std::int32_t index) {
    auto *combo = qobject_cast<QComboBox *>(WidgetOf(hwnd));
    if (combo == nullptr || index != kWindowLongStyle) {
        return 0;
    }
    return combo->isEditable() ? kComboStyleDropDown : kComboStyleDropDownList;
}

bool WindowVisible(WindowHandle hwnd) {
    QWidget *widget = WidgetOf(hwnd);
    return widget != nullptr && widget->isVisible();
}

bool WindowEnabled(WindowHandle hwnd) {
    QWidget *widget = WidgetOf(hwnd);
    return widget != nullptr && widget->isEnabled();
}

std::int32_t SendWindowMessage(WindowHandle hwnd, std::int32_t msg, std::int32_t /*wParam*/,
                               std::int32_t /*lParam*/) {
    auto *combo = qobject_cast<QComboBox *>(WidgetOf(hwnd));
    if (combo == nullptr || msg != kComboGetDroppedState) {
        return 0;
    }
    const QWidget *popup = ComboListPopup(*combo);
    return popup != nullptr && popup->isVisible() ? 1 : 0;
}

std::int32_t SystemMetric(std::int32_t index) {
    if (index != kHScrollThumbWidth) {
        return 0;
    }
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

bool ComboBoxButtonRect(WindowHandle hwnd, PixelRect &button) {
    auto *combo = qobject_cast<QComboBox *>(WidgetOf(hwnd));
    if (combo == nullptr) {
        button = PixelRect{};
        return false;
    }
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    button =
        RectOf(combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo));
    return true;
}

bool InvalidateWindow(WindowHandle hwnd, const PixelRect *rect) {
    QWidget *widget = WidgetOf(hwnd);
    if (widget == nullptr) {
        return false;
    }
    if (rect == nullptr) {
        widget->update();
    } else {
        widget->update(QRect(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1)));
    }
    return true;
}

} // namespace quorlex::messages
