// The event records that every platform layer keeps alike: the queue of events a layer posts, the
// last event PollEvent gave (which EventControl reads), and the guard that keeps the program's own
// changes silent. Only the platform layers include this.
#pragma once

#include "runtime/controls.h"

#include <cstdint>

constexpr std::int32_t NoEventType = -1;

struct Event {
    EventKind kind = NoEvent;
    ControlId control = 0;
    int window = 0;
    std::int32_t type = NoEventType;
    bool operator==(const Event&) const = default;
};

// Adds an event at the end of the queue, unless the program is making a change of its own or the
// same event already stands last.
void QueueEvent(EventKind kind, ControlId control, int window, std::int32_t type);

bool HasQueuedEvents();

// The first queued event becomes the last event given; NoEvent when the queue is empty.
EventKind TakeQueuedEvent();

// An event made some other way (while dispatching one platform message) becomes the last event.
EventKind GiveEvent(const Event& event);

// A platform message that raised no event of the layer's own is given by its number; the control
// of the last event stays.
EventKind GivePlatformMessage(EventKind message);

// While the layer carries out a change the program asked for, whatever the platform reports about
// it is dropped. Calls nest.
void BeginOwnChange();
void EndOwnChange();
bool IsOwnChange();

void ResetEvents();
