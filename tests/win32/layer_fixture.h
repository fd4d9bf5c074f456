// A window open on the real platform for each test, and ways to wait for what the platform does
// in its own time.
#pragma once

#include "runtime/controls.h"
#include "runtime/win32/layer.h"

#include <gtest/gtest.h>

#include <vector>

struct SeenEvent {
    EventKind kind;
    ControlId control;
};

class Win32Layer : public ::testing::Test {
  protected:
    static constexpr int ClientWidth = 840;
    static constexpr int ClientHeight = 380;

    void SetUp() override {
        StartControls();
        ASSERT_TRUE(OpenMainWindow(MainWindow, 676, 62, ClientWidth, ClientHeight, "Layer",
                                   CaptionFlag | SystemMenuFlag | CentreOnScreenFlag));
        window = GetAncestor(ParentWindow(), GA_ROOT);
        Settle();
    }

    void TearDown() override { StopControls(); }

    // Polls for a while so that what the platform delivers late (X events, repaints) has come.
    static std::vector<SeenEvent> Settle(DWORD milliseconds = 150) {
        std::vector<SeenEvent> seen;
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < milliseconds) {
            const EventKind kind = PollEvent();
            if (kind == NoEvent) {
                Sleep(1);
            } else {
                seen.push_back({kind, EventControl()});
            }
        }
        return seen;
    }

    static int ControlEventsFrom(const std::vector<SeenEvent>& seen, ControlId id) {
        int count = 0;
        for (const SeenEvent& event : seen) {
            count += event.kind == ControlEvent && event.control == id;
        }
        return count;
    }

    static HWND ParentWindow() { return ParentForNewControls(); }

    static RECT ClientRectOf(HWND control) {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    HWND window = nullptr;
};
