#include "styling/messages/FormControls.h"

#include <QFrame>
#include <QGroupBox>
#include <QWidget>

namespace quorlex::messages {

namespace {

bool IsContainer(const QWidget &widget) {
    const QMetaObject *type = widget.metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
           qobject_cast<const QGroupBox *>(&widget) != nullptr;
}

void CollectControls(const QWidget &parent, std::vector<QWidget *> &controls) {
    for (QWidget *widget : ChildControls(parent)) {
        controls.push_back(widget);
        if (IsContainer(*widget)) {
            CollectControls(*widget, controls);
        }
    }
}

} // namespace

std::vector<QWidget *> ChildControls(const QWidget &parent) {
    std::vector<QWidget *> children;
    for (QObject *child : parent.children()) {
        if (child->isWidgetType() && !static_cast<QWidget *>(child)->isWindow()) {
            children.push_back(static_cast<QWidget *>(child));
        }
    }
    return children;
}

std::vector<QWidget *> Controls(const QWidget &form) {
    std::vector<QWidget *> controls;
    CollectControls(form, controls);
    return controls;
}

} // namespace quorlex::messages
