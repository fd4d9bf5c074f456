// The program's window built on the real platform for each test, and a way to wait for what the
// platform delivers in its own time.
#pragma once

#include "runtime/win32/layer.h"
#include "tests/support/fresh_window.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using SeenEvent = std::pair<EventKind, ControlId>;

constexpr DWORD SettleMs = 150;

class Win32Window : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenFreshWindow();
        window = ParentForNewControls();
        Settle();
    }

    void TearDown() override { StopControls(); }

    // Polls for a while, so that what the platform delivers late (X events, repaints) has come.
    static std::vector<SeenEvent> Settle(DWORD milliseconds = SettleMs) {
        std::vector<SeenEvent> seen;
        for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds;) {
            if (const EventKind kind = PollEvent(); kind != NoEvent) {
                seen.emplace_back(kind, EventControl());
            }
        }
        return seen;
    }

    // A second top-level window of the program's thread.
    static HWND OpenOtherWindow() {
        return CreateWindowExA(0, "Static", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                               100, nullptr, nullptr, nullptr, nullptr);
    }

    HWND window = nullptr;
};
