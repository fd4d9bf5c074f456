// What the web layer's files share. Only runtime/web, its tests and its benchmark include this.
#pragma once

#include "runtime/control_table.h"
#include "runtime/controls.h"
#include "runtime/event_queue.h"
#include "runtime/web/page.h"

#include <cstdint>
#include <string_view>

// A control's handle is the page's serial number for it.
inline void* HandleOfSerial(int serial) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(serial));
}
inline int SerialOf(const ControlEntry& entry) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(entry.handle));
}
// 0 when the number names no control, or one of another kind.
inline int SerialOf(ControlId id, ControlKind kind) {
    const ControlEntry* entry = FindControl(id);
    return entry && entry->kind == kind ? SerialOf(*entry) : 0;
}
inline int SerialOf(ControlId id) {
    const ControlEntry* entry = FindControl(id);
    return entry ? SerialOf(*entry) : 0;
}

// The window's inner width, which bounds how far a label may widen; 0 with no window open.
int OpenWindowWidth();

// Takes what the person did from the page into the event queue (events.cpp).
void TakePageHappenings();

// Carries out a change the program asked for: whatever the page reports meanwhile is dropped, and
// what the person did before stays queued.
template <typename Change>
void OwnChange(Change change) {
    TakePageHappenings();
    BeginOwnChange();
    change();
    TakePageHappenings();
    EndOwnChange();
}

// Labels (label_fit.cpp): every label widened as far as its text needs and the controls to its
// right allow, once the page is about to be drawn after a label or a control was made or changed.
void NoteLabelsChanged();
void FitLabelsIfChanged();

// Screen readers (label_names.cpp): a label shows its words and the colon after them apart, and
// names the control the core says it names, again whenever a control is made.
void ShowLabel(int serial, std::string_view text);
void NameControlsByLabels();
