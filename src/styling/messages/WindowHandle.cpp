#include "styling/messages/WindowHandle.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace quorlex::messages {

namespace {

// Handles both ways. An entry goes when its widget is destroyed, so a new widget at the address of a
// deleted one never inherits its handle.
struct HandleTable {
    WindowHandle lastHandle = 0;
    QHash<const QObject *, WindowHandle> handles;
    QHash<WindowHandle, QPointer<QWidget>> widgets;
    QObject context; // owner of the connections to the widgets' destroyed signals
};

// Lives until the process ends: painters may still give their handles back while the program's static
// data is released, after the application object is gone.
HandleTable &Table() {
    static auto *table = new HandleTable;
    return *table;
}

} // namespace

WindowHandle HandleOf(QWidget *widget) {
    if (widget == nullptr) {
        return 0;
    }
    HandleTable &table = Table();
    const auto found = table.handles.constFind(widget);
    if (found != table.handles.constEnd()) {
        return *found;
    }
    const WindowHandle handle = ++table.lastHandle;
    table.handles.insert(widget, handle);
    table.widgets.insert(handle, widget);
    QObject::connect(widget, &QObject::destroyed, &table.context, [handle](QObject *gone) {
        HandleTable &current = Table();
        current.handles.remove(gone);
        current.widgets.remove(handle);
    });
    return handle;
}

QWidget *WidgetOf(WindowHandle handle) {
    if (handle == 0) {
        return nullptr;
    }
    return Table().widgets.value(handle).data();
}

} // namespace quorlex::messages
