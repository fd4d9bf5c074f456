// What the behaviour suite needs of a control layer beyond the shared operations and a person's
// actions (tests/support/user.h). Each layer supplies these in one fixture file of its own
// (win32_fixture.cpp, qt_fixture.cpp, web_fixture.cpp); a new layer joins the suite by adding its
// own.
#pragma once

#include "runtime/text.h"
#include "ui/event_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

struct SeenBox {
    Text title;
    Text text;
};

// Runs the program's loop until the platform has nothing more for it.
void RunUntilQuiet();

// The message boxes that came up while `action` ran, each answered with OK as a person would.
std::vector<SeenBox> BoxesShownWhile(const std::function<void()>& action);

// The title the window shows.
Text ShownTitle();

// Has the person close the window once the program waits for input.
void CloseWindowOnceWaiting();

// RunUntilQuiet for a layer whose person's actions are all pending at once: passes until one
// finds nothing.
inline void RunUntilNothingPending() {
    constexpr int PassesBeforeGivingUp = 1000;
    for (int pass = 0; pass < PassesBeforeGivingUp; ++pass) {
        if (RunPass() == NoEvent) {
            return;
        }
    }
    ADD_FAILURE() << "the loop never ran out of events";
}
