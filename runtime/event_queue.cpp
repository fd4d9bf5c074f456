#include "runtime/event_queue.h"

#include <deque>

namespace {

std::deque<Event> queue;
Event last;
int ownChanges = 0;

} // namespace

void QueueEvent(EventKind kind, ControlId control, int window, std::int32_t type) {
    if (ownChanges > 0) {
        return;
    }
    const Event event{kind, control, window, type};
    if (!queue.empty() && queue.back() == event) {
        return;
    }
    queue.push_back(event);
}

bool HasQueuedEvents() {
    return !queue.empty();
}

EventKind TakeQueuedEvent() {
    if (queue.empty()) {
        return NoEvent;
    }
    last = queue.front();
    queue.pop_front();
    return last.kind;
}

EventKind GiveEvent(const Event& event) {
    last = event;
    return last.kind;
}

EventKind GivePlatformMessage(EventKind message) {
    last.kind = message;
    return last.kind;
}

ControlId EventControl() {
    return last.control;
}

void BeginOwnChange() {
    ++ownChanges;
}

void EndOwnChange() {
    --ownChanges;
}

bool IsOwnChange() {
    return ownChanges > 0;
}

void ResetEvents() {
    queue.clear();
    last = {};
    ownChanges = 0;
}
