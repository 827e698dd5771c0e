#pragma once

#include <QHash>

class QEvent;
class QObject;

namespace quorlex::messages {

// Lets a watched object handle an event before an event filter does its own work on it: the filter sends
// the event to the object once more, and while that runs, Passing() tells the filter to let the event
// through. Every other filter on the object still sees the event on that second pass, so several filters
// can each draw over a finished control. Used for paint events, which do not propagate to parents.
class ControlFirstDispatch {
public:
    // True while Dispatch is sending an event to this object; the filter must then return false.
    bool Passing(const QObject *watched) const { return passing_.value(watched, 0) > 0; }

    // Sends the event to the object, through its remaining filters, and returns when the object is done.
    void Dispatch(QObject *watched, QEvent *event);

private:
    QHash<const QObject *, int> passing_;
};

} // namespace quorlex::messages
