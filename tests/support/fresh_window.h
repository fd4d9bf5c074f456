// The program's window on whichever layer the test runs on: freshly built, a picture of its
// controls to compare before and after something that must change nothing, and a way to take
// what events are pending.
#pragma once

#include "runtime/controls.h"
#include "tests/support/user.h"
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <vector>

constexpr ControlId FirstControl = OamValueLabel;
constexpr ControlId LastControl = PaletteNumberSpin;

inline void OpenFreshWindow() {
    StartControls();
    ASSERT_TRUE(BuildMainWindow());
}

struct ControlPicture {
    std::int32_t state;
    Text text;
    bool enabled;
    bool operator==(const ControlPicture&) const = default;
};

// Each control from `first` to `last`, the program's window's by default.
inline std::vector<ControlPicture> PictureOfWindow(ControlId first = FirstControl,
                                                   ControlId last = LastControl) {
    std::vector<ControlPicture> picture;
    for (ControlId id = first; id <= last; ++id) {
        picture.push_back({GetControlState(id), GetControlText(id), IsControlEnabled(id)});
    }
    return picture;
}

// Takes every pending event; gives how many were control events.
inline int DrainEvents() {
    int controlEvents = 0;
    for (EventKind kind = PollEvent(); kind != NoEvent; kind = PollEvent()) {
        controlEvents += kind == ControlEvent;
    }
    return controlEvents;
}
