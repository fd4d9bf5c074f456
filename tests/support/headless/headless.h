// What the in-memory layer lets a native test see beyond the shared operations: the message boxes
// it was asked to show, the window it holds, and a switch that makes the "platform" refuse a
// window.
#pragma once

#include "runtime/controls.h"

#include <functional>
#include <vector>

struct ShownMessage {
    Text title;
    Text text;
    std::int32_t flags;
};

// Every ShowMessage since StartControls, oldest first. Each one was answered with OkAnswer.
const std::vector<ShownMessage>& ShownMessages();

bool IsWindowOpen(int number);
Text WindowTitle(int number);

// While on, OpenMainWindow fails as the platform's would when it cannot create the window.
void RefuseWindows(bool refuse);

// The person at the screen for a whole run of the program: `person` acts the first time the
// program waits for the platform. Until StopControls, a loop that polls on without ever waiting,
// or goes on waiting once the person is done, ends the test process with a message, since
// nothing else would ever end it.
void WhenProgramWaits(std::function<void()> person);
