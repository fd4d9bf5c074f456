// Events: the one being built during a dispatch, the queue, and PollEvent.
#include "runtime/win32/layer.h"

#include <deque>

namespace {

constexpr std::int32_t NoType = -1;

struct Event {
    EventKind kind = NoEvent;
    ControlId control = 0;
    int window = 0;
    std::int32_t type = NoType;
};

bool operator==(const Event& a, const Event& b) {
    return a.kind == b.kind && a.control == b.control && a.window == b.window && a.type == b.type;
}

Event building;
Event last;
std::deque<Event> queue;
bool dispatching = false;
int ownChanges = 0;

EventKind TakeQueued() {
    last = queue.front();
    queue.pop_front();
    return last.kind;
}

void Dispatch(MSG& message) {
    dispatching = true;
    const HWND active = GetActiveWindow();
    const HACCEL accelerators = AcceleratorOf(active);
    if (!accelerators || !TranslateAcceleratorA(active, accelerators, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    dispatching = false;
}

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

void BuildEvent(EventKind kind, ControlId control, int window, std::int32_t type) {
    if (ownChanges > 0) {
        return;
    }
    // Outside PollEvent's own dispatch (a message sent from another thread, delivered while
    // looking for a message or while waiting; the message box's loop) nobody would collect the
    // event before the next call clears it, so it waits in the queue.
    if (!dispatching) {
        QueueEvent(kind, control, window, type);
        return;
    }
    building = {kind, control, window, type};
}

void BeginOwnChange() {
    ++ownChanges;
}

void EndOwnChange() {
    --ownChanges;
}

void ResetEvents() {
    building = {};
    last = {};
    queue.clear();
    dispatching = false;
    ownChanges = 0;
}

EventKind PollEvent() {
    building.kind = NoEvent;
    building.type = NoType;
    if (!queue.empty()) {
        return TakeQueued();
    }
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) {
        // Looking may have delivered messages sent from other threads, and their events.
        return queue.empty() ? NoEvent : TakeQueued();
    }
    Dispatch(message);
    if (building.kind != NoEvent) {
        last = building;
        building.kind = NoEvent;
        return last.kind;
    }
    // A message that raised nothing of the layer's own is reported by its number; the control
    // of the last event stays.
    last.kind = static_cast<EventKind>(message.message);
    return last.kind;
}

ControlId EventControl() {
    return last.control;
}

void WaitForPlatform() {
    if (!queue.empty()) {
        return;
    }
    // Like WaitMessage, but certain to wake for a message sent from another thread too, without
    // delivering it here: the next PollEvent delivers it and keeps what it raises.
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}
