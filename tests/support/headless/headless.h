// What the in-memory layer lets a native test see beyond the shared operations: the message boxes
// it was asked to show, the window it holds, and a switch that makes the "platform" refuse a
// window.
#pragma once

#include "runtime/controls.h"

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
