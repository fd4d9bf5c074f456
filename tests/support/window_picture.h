// A picture of every control of the program's window, to compare the window before and after
// something that must change nothing; a list's items; and a way to take what events are pending.
#pragma once

#include "runtime/controls.h"
#include "tests/support/user.h"

#include <vector>

constexpr ControlId FirstControl = OamValueLabel;
constexpr ControlId LastControl = PaletteNumberSpin;

struct ControlPicture {
    std::int32_t state;
    Text text;
    bool enabled;
    bool operator==(const ControlPicture&) const = default;
};

inline std::vector<ControlPicture> PictureOfWindow() {
    std::vector<ControlPicture> picture;
    for (ControlId id = FirstControl; id <= LastControl; ++id) {
        picture.push_back({GetControlState(id), GetControlText(id), IsControlEnabled(id)});
    }
    return picture;
}

inline std::vector<Text> ItemsOf(ControlId list) {
    std::vector<Text> items;
    for (std::int32_t i = 0; i < ControlItemCount(list); ++i) {
        items.push_back(ControlItemText(list, i));
    }
    return items;
}

// Takes every pending event; gives how many were control events.
inline int DrainEvents() {
    int controlEvents = 0;
    for (EventKind kind = PollEvent(); kind != NoEvent; kind = PollEvent()) {
        controlEvents += kind == ControlEvent;
    }
    return controlEvents;
}
