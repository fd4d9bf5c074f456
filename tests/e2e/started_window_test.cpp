// The window as a person first meets it, against the committed description of it: title, size,
// place and frame, and where each control sits (items, texts, ranges and states are the behaviour
// suite's). Then its close box ends the program.
#include "tests/e2e/program_fixture.h"
#include "tests/support/window_description.h"

namespace {

using StartedWindow = ProgramGroup;

// Left, top, right and bottom in the window's inner area, where the program places controls.
std::vector<LONG> Placed(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

TEST_F(StartedWindow, IsTheDescribedWindowCentredOnTheScreen) {
    const WindowDescription described = ReadWindowDescription();
    EXPECT_EQ(TextOf(program.window), described.title);
    RECT inner{};
    GetClientRect(program.window, &inner);
    EXPECT_EQ(std::vector<LONG>({inner.right, inner.bottom}),
              std::vector<LONG>({described.innerWidth, described.innerHeight}));
    RECT outer{};
    GetWindowRect(program.window, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
    const auto frame = static_cast<DWORD>(GetWindowLongW(program.window, GWL_STYLE)) &
                       (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    EXPECT_EQ(frame, static_cast<DWORD>(WS_CAPTION | WS_SYSMENU)) << "a close box, and no resizing";

    std::size_t windows = described.controls.size();
    for (const DescribedControl& c : described.controls) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        ASSERT_NE(Control(program, c.id), nullptr);
        std::vector<LONG> wanted = {c.x, c.y, c.x + c.width, c.y + c.height};
        if (c.kind == "spin") {
            // The arrows take the right end of the field, half its height wide, greyed with it.
            ++windows;
            wanted[2] -= c.height / 2;
            const HWND arrows = Arrows(program, c.id);
            EXPECT_EQ(Placed(arrows),
                      std::vector<LONG>({wanted[2], c.y, c.x + c.width, wanted[3]}));
            EXPECT_EQ(IsWindowEnabled(arrows) != 0, IsWindowEnabled(Control(program, c.id)) != 0);
        }
        EXPECT_EQ(Placed(Control(program, c.id)), wanted);
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
