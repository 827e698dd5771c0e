#include "styling/messages/ControlFirstDispatch.h"

#include <QCoreApplication>
#include <QEvent>

namespace quorlex::messages {

void ControlFirstDispatch::Dispatch(QObject *watched, QEvent *event) {
    ++passing_[watched];
    QCoreApplication::sendEvent(watched, event);
    // The object may have been destroyed while it handled the event; the key is only an address.
    if (--passing_[watched] == 0) {
        passing_.remove(watched);
    }
}

} // namespace quorlex::messages
