#pragma once

#include "styling/messages/ControlFirstDispatch.h"
#include "styling/messages/ISubclass.h"
#include "styling/messages/MessageTranslation.h"
#include "styling/messages/WindowHandle.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <cstdint>
#include <vector>

class QComboBox;
class QWidget;

namespace quorlex::messages {

// The message subscriptions: a subscriber asks for one message number of one window and from then on gets
// every such message in its WindowProc, besides the control itself. Built on Qt event filters: the
// component watches each subscribed widget and translates its Qt events into window messages (see
// TranslateEvent). One global object serves the whole program; it is created on first use and lives until
// the process ends. Everything runs on the thread that owns the widgets.
class SubclassComponent final : public QObject {
    Q_OBJECT

public:
    static SubclassComponent &Global();

    // From now on delivers message `msg` of window `hwnd` to `client` as well. Subscribing the same thing
    // twice keeps one subscription. Raises run-time error 5 for a null client or a handle that names no
    // window. Subscribing kMsgMouseMove makes the widget report moves without a button held.
    void SubscribeMessage(ISubclass *client, WindowHandle hwnd, std::int32_t msg);

    // Stops that delivery. Does nothing when there is no such subscription.
    void UnsubscribeMessage(ISubclass *client, WindowHandle hwnd, std::int32_t msg);

    // The number of the message being delivered (the innermost one when deliveries nest); 0 when none is.
    std::int32_t MessageInProgress() const;

    bool IsSubscribed(const ISubclass *client, WindowHandle hwnd, std::int32_t msg) const;

    // The number of subscriptions the client holds.
    int SubscriptionCount(const ISubclass *client) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Subscription {
        ISubclass *client;
        WindowHandle hwnd;
        std::int32_t msg;
    };

    SubclassComponent() = default;

    void Watch(QObject *object, WindowHandle hwnd);
    void WatchListOf(QComboBox &combo);
    void Forget(QObject *object);
    void Deliver(const std::vector<ISubclass *> &clients, const WindowMessage &message);

    std::vector<Subscription> subscriptions_;
    std::vector<std::int32_t> inProgress_;
    // Every object with the filter installed, with its handle (0 for combo box list popups).
    QHash<const QObject *, WindowHandle> watched_;
    // Widgets whose mouse tracking the component switched on, to switch it off with the last subscription.
    QSet<const QObject *> trackingSwitchedOn_;
    ControlFirstDispatch controlFirst_;
};

} // namespace quorlex::messages
