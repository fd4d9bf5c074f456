// PollEvent, the sleep between passes and the message box: the program gives the browser its turn
// only while it waits, and the page notes what a person did meanwhile.
#include "runtime/web/layer.h"

#include <string>

namespace {

// Each thing a person did is the notification the Windows control of that kind sends for it.
void QueueHappening(int what, int serial) {
    if (what == PageClosed) {
        QueueEvent(CloseEvent, MainWindow, MainWindow, 0);
        return;
    }
    const ControlId id = ControlOfHandle(HandleOfSerial(serial));
    const ControlEntry* entry = FindControl(id);
    if (!entry) {
        return; // a control that has gone since
    }
    auto queue = [id](std::int32_t type) { QueueEvent(ControlEvent, id, MainWindow, type); };
    const bool list = entry->kind == ControlKind::DropDownList;
    const bool field = entry->kind == ControlKind::TextField;
    switch (what) {
    case TextChanged:
        queue(FieldChangedType);
        break;
    case ItemPicked:
        queue(ListSelectionType);
        break;
    case Clicked:
        queue(ButtonClickedType);
        break;
    case FocusGained:
        if (field) {
            queue(FocusGainedType);
        }
        if (entry->kind != ControlKind::Button) {
            queue(list ? ListFocusGainedType : FieldFocusGainedType);
        }
        break;
    case FocusLost:
        if (field) {
            queue(FocusLostType);
        }
        if (entry->kind != ControlKind::Button) {
            queue(list ? ListFocusLostType : FieldFocusLostType);
        }
        break;
    case SteppedUp:
        queue(SpinUpType);
        break;
    case SteppedDown:
        queue(SpinDownType);
        break;
    default:
        break;
    }
}

} // namespace

void TakePageHappenings() {
    int serial = 0;
    for (int what = oam_page_next_happening(&serial); what != NothingHappened;
         what = oam_page_next_happening(&serial)) {
        QueueHappening(what, serial);
    }
}

EventKind PollEvent() {
    TakePageHappenings();
    return TakeQueuedEvent();
}

void WaitForPlatform() {
    FitLabelsIfChanged();
    if (!HasQueuedEvents()) {
        oam_page_wait();
    }
}

// The program asks only for PlainMessageFlags: one OK button, no icon. Closing the box with
// Escape answers OK too, as closing it does on Windows.
std::int32_t ShowMessage(TextRef title, TextRef text, std::int32_t) {
    FitLabelsIfChanged();
    oam_page_message(std::string(title.chars).c_str(), std::string(text.chars).c_str());
    return OkAnswer;
}
