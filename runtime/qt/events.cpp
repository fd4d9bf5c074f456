// PollEvent and the sleep between passes.
#include "runtime/qt/layer.h"

#include <QCoreApplication>

// Qt delivers whatever is pending in one go, not one message at a time: what that raises waits in
// the queue and comes out one event per call.
EventKind PollEvent() {
    if (!HasQueuedEvents() && QCoreApplication::instance()) {
        QCoreApplication::processEvents();
    }
    return TakeQueuedEvent();
}

void WaitForPlatform() {
    if (!HasQueuedEvents() && QCoreApplication::instance()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}
