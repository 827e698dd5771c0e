#include "widgets/StayOnTop.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

namespace quorlex {

void SetStayOnTop(QWidget &widget, bool on) {
    QWidget *window = widget.window();
    if (QWindow *handle = window->windowHandle()) {
        // Changing the flag on the native window keeps it shown and in place; the widget's own copy of the
        // flags is brought up to date without telling the window system a second time.
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
        window->overrideWindowFlags(handle->flags());
    } else {
        // No native window yet: the flag is simply part of how it will be created.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    }
    QCoreApplication::processEvents();
}

bool IsStayOnTop(const QWidget &widget) {
    const QWidget *window = widget.window();
    if (const QWindow *handle = window->windowHandle()) {
        return handle->flags().testFlag(Qt::WindowStaysOnTopHint);
    }
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace quorlex
