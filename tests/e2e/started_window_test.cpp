// The window as a person first meets it: its place and frame, and the described controls with no
// other window (its size and where each control sits are the Win32 layer's ScaledWindow test; its
// title, items, texts, ranges and states the behaviour suite's). Then its close box ends the
// program.
#include "tests/e2e/program_fixture.h"
#include "tests/support/window_description.h"

namespace {

using StartedWindow = ProgramGroup;

TEST_F(StartedWindow, IsTheDescribedWindowCentredOnTheScreen) {
    const WindowDescription described = ReadWindowDescription();
    RECT outer{};
    GetWindowRect(program.window, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
    const auto frame = static_cast<DWORD>(GetWindowLongW(program.window, GWL_STYLE)) &
                       (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    EXPECT_EQ(frame, static_cast<DWORD>(WS_CAPTION | WS_SYSMENU)) << "a close box, and no resizing";

    std::size_t windows = described.controls.size();
    for (const DescribedControl& c : described.controls) {
        EXPECT_NE(Control(program, c.id), nullptr) << "control " << c.id;
        windows += c.kind == "spin"; // its arrows are a window of their own
    }
    for (HWND child = GetWindow(program.window, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        --windows;
    }
    EXPECT_EQ(windows, 0u) << "windows the description does not hold, or misses";
}

// The mouse finds the close box along the middle of the caption, where the window says it is.
TEST_F(StartedWindow, CloseBoxEndsTheProgramWithExitCodeZero) {
    RECT outer{};
    GetWindowRect(program.window, &outer);
    POINT inner{0, 0};
    ClientToScreen(program.window, &inner);
    const LONG middle = (outer.top + inner.y) / 2;
    std::vector<LONG> closeBox;
    for (LONG x = outer.left; x < outer.right; ++x) {
        if (SendMessageW(program.window, WM_NCHITTEST, 0, MAKELPARAM(x, middle)) == HTCLOSE) {
            closeBox.push_back(x);
        }
    }
    ASSERT_FALSE(closeBox.empty()) << "no close box on the caption";
    ClickAt({(closeBox.front() + closeBox.back()) / 2, middle});
    ExpectEndsWithExitCodeZero();
}

} // namespace
