// Events: the queue that every report of a widget joins, PollEvent and the sleep between passes.
#include "runtime/qt/layer.h"

#include <QCoreApplication>

#include <deque>

namespace {

struct Event {
    EventKind kind = NoEvent;
    ControlId control = 0;
    std::int32_t type = 0;
    bool operator==(const Event&) const = default;
};

std::deque<Event> queue;
Event last;
int ownChanges = 0;

EventKind TakeQueued() {
    last = queue.front();
    queue.pop_front();
    return last.kind;
}

} // namespace

void QueueEvent(EventKind kind, ControlId control, std::int32_t type) {
    if (ownChanges > 0) {
        return;
    }
    const Event event{kind, control, type};
    if (!queue.empty() && queue.back() == event) {
        return;
    }
    queue.push_back(event);
}

void BeginOwnChange() {
    ++ownChanges;
}

void EndOwnChange() {
    --ownChanges;
}

void ResetEvents() {
    queue.clear();
    last = {};
    ownChanges = 0;
}

// Qt delivers whatever is pending in one go, not one message at a time: what that raises waits in
// the queue and comes out one event per call.
EventKind PollEvent() {
    if (queue.empty() && QCoreApplication::instance()) {
        QCoreApplication::processEvents();
    }
    return queue.empty() ? NoEvent : TakeQueued();
}

ControlId EventControl() {
    return last.control;
}

void WaitForPlatform() {
    if (queue.empty() && QCoreApplication::instance()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}
