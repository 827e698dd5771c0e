#include "styling/messages/WindowTimers.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace quorlex::messages {

namespace {

struct RunningTimer {
    QPointer<QWidget> widget;
    const QObject *object = nullptr;
    std::int32_t id = 0;
    int timerId = 0;
};

// Lives until the process ends, like the handle table: timers may be killed while static data is released.
std::vector<RunningTimer> &Running() {
    static auto *running = new std::vector<RunningTimer>;
    return *running;
}

// Forgets timers of widgets that no longer exist; Qt stopped them when the widget went.
void ForgetDeadTimers() {
    auto &running = Running();
    std::erase_if(running, [](const RunningTimer &timer) { return timer.widget.isNull(); });
}

std::vector<RunningTimer>::iterator FindTimer(const QWidget *widget, std::int32_t id) {
    auto &running = Running();
    return std::find_if(running.begin(), running.end(), [widget, id](const RunningTimer &timer) {
        return timer.widget.data() == widget && timer.id == id;
    });
}

} // namespace

std::int32_t StartWindowTimer(WindowHandle hwnd, std::int32_t id, std::int32_t milliseconds) {
    QWidget *widget = WidgetOf(hwnd);
    if (widget == nullptr) {
        return 0;
    }
    ForgetDeadTimers();
    const int interval = std::max(milliseconds, 0);
    const auto existing = FindTimer(widget, id);
    if (existing != Running().end()) {
        widget->killTimer(existing->timerId);
        existing->timerId = widget->startTimer(interval, Qt::PreciseTimer);
        return id;
    }
    const int timerId = widget->startTimer(interval, Qt::PreciseTimer);
    if (timerId == 0) {
        return 0;
    }
    Running().push_back(RunningTimer{widget, widget, id, timerId});
    return id;
}

bool StopWindowTimer(WindowHandle hwnd, std::int32_t id) {
    QWidget *widget = WidgetOf(hwnd);
    if (widget == nullptr) {
        return false;
    }
    ForgetDeadTimers();
    const auto existing = FindTimer(widget, id);
    if (existing == Running().end()) {
        return false;
    }
    widget->killTimer(existing->timerId);
    Running().erase(existing);
    return true;
}

std::optional<std::int32_t> WindowTimerId(const QObject *object, int timerId) {
    for (const RunningTimer &timer : Running()) {
        if (timer.object == object && timer.timerId == timerId && !timer.widget.isNull()) {
            return timer.id;
        }
    }
    return std::nullopt;
}

} // namespace quorlex::messages
