#include "styling/messages/SubclassComponent.h"

#include "errors/RuntimeError.h"
#include "styling/messages/WindowMessages.h"

#include <QComboBox>
#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace quorlex::messages {

namespace {

constexpr std::int32_t kErrInvalidProcedureCall = 5;

// Keeps the number of the message being delivered for MessageInProgress while subscribers run.
class InProgress {
public:
    InProgress(std::vector<std::int32_t> &stack, std::int32_t msg) : stack_(stack) { stack_.push_back(msg); }
    ~InProgress() { stack_.pop_back(); }
    InProgress(const InProgress &) = delete;
    InProgress &operator=(const InProgress &) = delete;

private:
    std::vector<std::int32_t> &stack_;
};

} // namespace

SubclassComponent &SubclassComponent::Global() {
    // Never destroyed: painters end their subscriptions while the program's static data is released.
    static auto *component = new SubclassComponent;
    return *component;
}

void SubclassComponent::SubscribeMessage(ISubclass *client, WindowHandle hwnd, std::int32_t msg) {
    QWidget *widget = WidgetOf(hwnd);
    if (client == nullptr || widget == nullptr) {
        throw RuntimeError(kErrInvalidProcedureCall, "Quorlex.SubclassComponent",
                           "Invalid procedure call or argument");
    }
    if (IsSubscribed(client, hwnd, msg)) {
        return;
    }
    Watch(widget, hwnd);
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        WatchListOf(*combo);
    }
    if (msg == kMsgCommand) {
        // Combo boxes report the closing of their lists to their parent.
        for (QComboBox *child : widget->findChildren<QComboBox *>(Qt::FindDirectChildrenOnly)) {
            WatchListOf(*child);
        }
    }
    if (msg == kMsgMouseMove && !widget->hasMouseTracking()) {
        widget->setMouseTracking(true);
        trackingSwitchedOn_.insert(widget);
    }
    subscriptions_.push_back(Subscription{client, hwnd, msg});
}

void SubclassComponent::UnsubscribeMessage(ISubclass *client, WindowHandle hwnd, std::int32_t msg) {
    const auto found = std::find_if(subscriptions_.begin(), subscriptions_.end(), [&](const Subscription &s) {
        return s.client == client && s.hwnd == hwnd && s.msg == msg;
    });
    if (found == subscriptions_.end()) {
        return;
    }
    subscriptions_.erase(found);
    if (msg != kMsgMouseMove) {
        return;
    }
    const bool moveStillWatched =
        std::any_of(subscriptions_.begin(), subscriptions_.end(),
                    [&](const Subscription &s) { return s.hwnd == hwnd && s.msg == kMsgMouseMove; });
    QWidget *widget = WidgetOf(hwnd);
    if (!moveStillWatched && widget != nullptr && trackingSwitchedOn_.remove(widget)) {
        widget->setMouseTracking(false);
    }
}

std::int32_t SubclassComponent::MessageInProgress() const {
    return inProgress_.empty() ? 0 : inProgress_.back();
}

bool SubclassComponent::IsSubscribed(const ISubclass *client, WindowHandle hwnd, std::int32_t msg) const {
    return std::any_of(subscriptions_.begin(), subscriptions_.end(), [&](const Subscription &s) {
        return s.client == client && s.hwnd == hwnd && s.msg == msg;
    });
}

int SubclassComponent::SubscriptionCount(const ISubclass *client) const {
    return static_cast<int>(std::count_if(subscriptions_.begin(), subscriptions_.end(),
                                          [client](const Subscription &s) { return s.client == client; }));
}

void SubclassComponent::Watch(QObject *object, WindowHandle hwnd) {
    if (watched_.contains(object)) {
        if (hwnd != 0) {
            watched_[object] = hwnd;
        }
        return;
    }
    watched_.insert(object, hwnd);
    object->installEventFilter(this);
    connect(object, &QObject::destroyed, this, [this](QObject *gone) { Forget(gone); });
}

void SubclassComponent::WatchListOf(QComboBox &combo) {
    if (QWidget *popup = ComboListPopup(combo)) {
        Watch(popup, watched_.value(popup, 0));
    }
}

void SubclassComponent::Forget(QObject *object) {
    const WindowHandle hwnd = watched_.take(object);
    trackingSwitchedOn_.remove(object);
    if (hwnd != 0) {
        std::erase_if(subscriptions_, [hwnd](const Subscription &s) { return s.hwnd == hwnd; });
    }
}

void SubclassComponent::Deliver(const std::vector<ISubclass *> &clients, const WindowMessage &message) {
    const InProgress inProgress(inProgress_, message.msg);
    for (ISubclass *client : clients) {
        // A subscriber may end another's subscription (or its life) while the message is delivered.
        if (IsSubscribed(client, message.hwnd, message.msg)) {
            client->WindowProc(message.hwnd, message.msg, message.wParam, message.lParam);
        }
    }
}

bool SubclassComponent::eventFilter(QObject *watched, QEvent *event) {
    if (controlFirst_.Passing(watched)) {
        return false;
    }
    const auto message = TranslateEvent(watched, event);
    if (!message) {
        return false;
    }
    std::vector<ISubclass *> before;
    std::vector<ISubclass *> after;
    {
        const InProgress inProgress(inProgress_, message->msg);
        for (const Subscription &s : std::vector<Subscription>(subscriptions_)) {
            if (s.hwnd == message->hwnd && s.msg == message->msg) {
                (s.client->MsgResponse() == kResponseAfterControl ? after : before).push_back(s.client);
            }
        }
    }
    Deliver(before, *message);
    if (after.empty()) {
        return false;
    }
    if (message->hwnd != watched_.value(watched, 0)) {
        // A notification sent to another window (the parent of a combo box): that window has no handling
        // of its own to wait for.
        Deliver(after, *message);
        return false;
    }
    if (event->type() == QEvent::Paint) {
        // Through the object's other filters too, so that everything drawn over the control comes after
        // the control's own painting.
        controlFirst_.Dispatch(watched, event);
    } else {
        // Straight to the object, so that an input event the control ignores travels to the parent once.
        static_cast<QObject *>(watched)->event(event);
    }
    Deliver(after, *message);
    return true;
}

} // namespace quorlex::messages
