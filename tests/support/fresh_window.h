// A freshly built main window on whichever layer the test runs on, and a picture of every control
// to compare a window before and after something that must change nothing.
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

inline std::vector<ControlPicture> PictureOfWindow() {
    std::vector<ControlPicture> picture;
    for (ControlId id = FirstControl; id <= LastControl; ++id) {
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
