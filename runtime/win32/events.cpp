// Events: the one being built during a dispatch, PollEvent and the wait between passes.
#include "runtime/win32/layer.h"

namespace {

Event building;
bool dispatching = false;

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

void BuildEvent(EventKind kind, ControlId control, int window, std::int32_t type) {
    if (IsOwnChange()) {
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

EventKind PollEvent() {
    building = {};
    if (HasQueuedEvents()) {
        return TakeQueuedEvent();
    }
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) {
        // Looking may have delivered messages sent from other threads, and their events.
        return TakeQueuedEvent();
    }
    Dispatch(message);
    if (building.kind != NoEvent) {
        const Event built = building;
        building = {};
        return GiveEvent(built);
    }
    return GivePlatformMessage(static_cast<EventKind>(message.message));
}

void WaitForPlatform() {
    if (HasQueuedEvents()) {
        return;
    }
    // Like WaitMessage, but certain to wake for a message sent from another thread too, without
    // delivering it here: the next PollEvent delivers it and keeps what it raises.
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}
