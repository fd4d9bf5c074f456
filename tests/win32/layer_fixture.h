// The program's window built on the real platform for each test, a way to wait for what the
// platform delivers in its own time, and text measured in a control's own font.
#pragma once

#include "runtime/win32/layer.h"
#include "tests/support/fresh_window.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Runs `measure` on a drawing context of `control` with the control's font chosen into it.
template <typename Measure>
void MeasureInFontOf(HWND control, Measure measure) {
    const HDC context = GetDC(control);
    const HGDIOBJ oldFont =
        SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(context, &metrics);
    measure(context, metrics);
    SelectObject(context, oldFont);
    ReleaseDC(control, context);
}

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
