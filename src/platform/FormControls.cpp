#include "platform/FormControls.h"

#include <QFrame>
#include <QGroupBox>
#include <QWidget>

namespace quorlex {

namespace {

bool IsContainer(const QWidget &widget) {
    const QMetaObject *type = widget.metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
           qobject_cast<const QGroupBox *>(&widget) != nullptr;
}

void CollectControls(QWidget &parent, std::vector<QWidget *> &controls) {
    for (QObject *child : parent.children()) {
        if (!child->isWidgetType()) {
            continue;
        }
        auto *widget = static_cast<QWidget *>(child);
        if (widget->isWindow()) {
            continue;
        }
        controls.push_back(widget);
        if (IsContainer(*widget)) {
            CollectControls(*widget, controls);
        }
    }
}

} // namespace

std::vector<QWidget *> Controls(QWidget &form) {
    std::vector<QWidget *> controls;
    CollectControls(form, controls);
    return controls;
}

} // namespace quorlex
