// A freshly built main window on whichever layer the test runs on.
#pragma once

#include "tests/support/window_picture.h"
#include "ui/main_window.h"

#include <gtest/gtest.h>

inline void OpenFreshWindow() {
    StartControls();
    ASSERT_TRUE(BuildMainWindow());
}
