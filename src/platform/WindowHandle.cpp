#include "platform/WindowHandle.h"

#include <QHash>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace quorlex {

namespace {

// The handle travels with the widget as a dynamic property, so a new widget at the address of a deleted
// one never inherits its handle.
constexpr const char *kHandleProperty = "quorlexWindowHandle";

struct HandleTable {
    HWND lastHandle = 0;
    QHash<HWND, QPointer<QWidget>> widgets;
};

// Lives until the process ends: painters may still give their handles back while the program's static
// data is released, after the application object is gone.
HandleTable &Table() {
    static auto *table = new HandleTable;
    return *table;
}

} // namespace

HWND HandleOf(QWidget *widget) {
    if (widget == nullptr) {
        return 0;
    }
    const QVariant stored = widget->property(kHandleProperty);
    if (stored.isValid()) {
        return stored.value<HWND>();
    }
    HandleTable &table = Table();
    const HWND handle = ++table.lastHandle;
    widget->setProperty(kHandleProperty, QVariant::fromValue(handle));
    table.widgets.insert(handle, widget);
    return handle;
}

QWidget *WidgetOf(HWND handle) {
    if (handle == 0) {
        return nullptr;
    }
    HandleTable &table = Table();
    const auto found = table.widgets.constFind(handle);
    if (found == table.widgets.constEnd()) {
        return nullptr;
    }
    if (found->isNull()) {
        table.widgets.erase(found);
        return nullptr;
    }
    return found->data();
}

} // namespace quorlex
