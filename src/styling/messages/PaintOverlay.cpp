#include "styling/messages/PaintOverlay.h"

#include "styling/messages/DeviceContext.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace quorlex::messages {

PaintOverlays &PaintOverlays::Global() {
    // Never destroyed, like the message subscriptions: painters leave while static data is released.
    static auto *overlays = new PaintOverlays;
    return *overlays;
}

void PaintOverlays::Add(WindowHandle surface, IPaintOverlay *overlay) {
    QWidget *widget = WidgetOf(surface);
    if (widget == nullptr || overlay == nullptr) {
        return;
    }
    auto existing = overlays_.find(widget);
    if (existing == overlays_.end()) {
        existing = overlays_.insert(widget, {});
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, [this](QObject *gone) { overlays_.remove(gone); });
    }
    if (std::find(existing->begin(), existing->end(), overlay) == existing->end()) {
        existing->push_back(overlay);
    }
}

void PaintOverlays::Remove(WindowHandle surface, IPaintOverlay *overlay) {
    QWidget *widget = WidgetOf(surface);
    if (widget == nullptr) {
        return;
    }
    const auto existing = overlays_.find(widget);
    if (existing == overlays_.end()) {
        return;
    }
    std::erase(*existing, overlay);
}

bool PaintOverlays::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::Paint || controlFirst_.Passing(watched)) {
        return false;
    }
    const auto found = overlays_.constFind(watched);
    if (found == overlays_.constEnd() || found->empty()) {
        return false;
    }
    controlFirst_.Dispatch(watched, event);
    auto *surface = static_cast<QWidget *>(watched);
    const WindowHandle handle = HandleOf(surface);
    QPainter painter(surface);
    DeviceContext dc(painter);
    // An overlay may remove itself or another while it draws.
    const std::vector<IPaintOverlay *> drawing = overlays_.value(watched);
    for (IPaintOverlay *overlay : drawing) {
        const auto &current = overlays_.value(watched);
        if (std::find(current.begin(), current.end(), overlay) != current.end()) {
            overlay->PaintOverlay(handle, dc);
        }
    }
    return true;
}

} // namespace quorlex::messages
