// The window as a person first meets it: its frame and place, and every control with its class,
// rectangle, text or items and state, after the program's first pass.
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/screenshot.h"
#include "tests/e2e/wait.h"
#include "tests/support/window_description.h"

#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr int SpinArrowsWidth = 10; // half the spin fields' height

const WindowDescription& Described() {
    static const WindowDescription window = ReadWindowDescription();
    return window;
}

std::string PlatformClass(const std::string& kind) {
    if (kind == "label") {
        return "Static";
    }
    if (kind == "field" || kind == "spin") {
        return "Edit";
    }
    return kind == "list" ? "ComboBox" : "Button";
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") to (" +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

bool DisabledAtStart(ControlId id) {
    return id == DoubleSizeCombo || id == RotScaleParamSpin;
}

class StartUpPicture : public ProgramGroup {
  protected:
    static void SetUpTestSuite() {
        ProgramGroup::SetUpTestSuite();
        if (!started) {
            return;
        }
        BringToFront(program.window);
        // The first pass has run once the flip lists, created disabled, are enabled.
        WaitUntil([] { return ControlEnabled(program, VFlipCombo); });
        EXPECT_TRUE(SaveScreenshot(program, ScreenshotPath("start.png")));
    }
};

TEST_F(StartUpPicture, TitleIsTheProgramsName) {
    EXPECT_EQ(TextOf(program.window), Described().title);
}

TEST_F(StartUpPicture, InnerAreaIs840By380) {
    RECT inner{};
    GetClientRect(program.window, &inner);
    EXPECT_EQ(inner.right - inner.left, Described().innerWidth);
    EXPECT_EQ(inner.bottom - inner.top, Described().innerHeight);
}

TEST_F(StartUpPicture, WindowIsCentredOnTheScreen) {
    RECT outer{};
    GetWindowRect(program.window, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST_F(StartUpPicture, FrameHasACaptionAndCloseBoxButCannotBeResized) {
    const auto style = static_cast<DWORD>(GetWindowLongW(program.window, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetMenu(program.window), nullptr);
    EXPECT_TRUE(IsWindowVisible(program.window));
    EXPECT_FALSE(IsIconic(program.window));
    EXPECT_FALSE(IsZoomed(program.window));
}

// Where the mouse finds what on the frame: along the caption and all round the outer edge.
TEST_F(StartUpPicture, MouseFindsTheCloseBoxButNoOtherBoxOrSizingEdge) {
    RECT outer{};
    GetWindowRect(program.window, &outer);
    RECT inner{};
    GetClientRect(program.window, &inner);
    POINT innerTop{0, 0};
    ClientToScreen(program.window, &innerTop);
    const LONG captionMiddle = (outer.top + innerTop.y) / 2;

    std::vector<POINT> points;
    for (LONG x = outer.left; x < outer.right; ++x) {
        points.push_back({x, captionMiddle});
        points.push_back({x, outer.top});
        points.push_back({x, outer.bottom - 1});
    }
    for (LONG y = outer.top; y < outer.bottom; ++y) {
        points.push_back({outer.left, y});
        points.push_back({outer.right - 1, y});
    }
    std::set<LRESULT> found;
    for (const POINT& point : points) {
        found.insert(SendMessageW(program.window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
    }
    EXPECT_TRUE(found.count(HTCLOSE));
    EXPECT_TRUE(found.count(HTCAPTION));
    for (const LRESULT refused : {HTMINBUTTON, HTMAXBUTTON, HTLEFT, HTRIGHT, HTTOP, HTBOTTOM,
                                  HTTOPLEFT, HTTOPRIGHT, HTBOTTOMLEFT, HTBOTTOMRIGHT}) {
        EXPECT_FALSE(found.count(refused)) << "hit-test code " << refused;
    }
}

TEST_F(StartUpPicture, WindowHoldsExactlyTheDescribedControls) {
    std::multiset<ControlId> expected;
    for (const DescribedControl& control : Described().controls) {
        expected.insert(control.id);
        if (control.kind == "spin") {
            expected.insert(control.id); // its arrows
        }
    }
    std::multiset<ControlId> found;
    for (HWND child = GetWindow(program.window, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        found.insert(GetDlgCtrlID(child));
    }
    EXPECT_EQ(found, expected);
}

TEST_F(StartUpPicture, EachControlHasItsClassAndRectangle) {
    for (const DescribedControl& control : Described().controls) {
        SCOPED_TRACE("control " + std::to_string(control.id));
        const HWND handle = ControlWindow(program, control.id);
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(ClassOf(handle), PlatformClass(control.kind));
        RECT wanted{control.x, control.y, control.x + control.width, control.y + control.height};
        if (control.kind == "spin") {
            wanted.right -= SpinArrowsWidth;
            const HWND arrows = SpinArrows(program, control.id);
            ASSERT_NE(arrows, nullptr);
            const RECT wantedArrows{wanted.right, wanted.top, wanted.right + SpinArrowsWidth,
                                    wanted.bottom};
            EXPECT_TRUE(SameRect(InnerRectOf(program, arrows), wantedArrows))
                << "arrows at " << Describe(InnerRectOf(program, arrows)) << ", wanted "
                << Describe(wantedArrows);
        }
        EXPECT_TRUE(SameRect(InnerRectOf(program, handle), wanted))
            << "at " << Describe(InnerRectOf(program, handle)) << ", wanted " << Describe(wanted);
    }
}

TEST_F(StartUpPicture, LabelsButtonsFramesAndTheTextFieldShowTheirTexts) {
    for (const DescribedControl& control : Described().controls) {
        if (control.kind == "spin" || control.kind == "list") {
            continue;
        }
        EXPECT_EQ(ControlText(program, control.id), control.texts.at(0))
            << "control " << control.id;
    }
}

TEST_F(StartUpPicture, ListsHoldTheirItemsInOrderAndShowTheFirst) {
    for (const DescribedControl& control : Described().controls) {
        if (control.kind != "list") {
            continue;
        }
        SCOPED_TRACE("list " + std::to_string(control.id));
        EXPECT_EQ(ListItems(program, control.id), control.texts);
        EXPECT_EQ(ListSelection(program, control.id), 0);
        EXPECT_EQ(ControlText(program, control.id), control.texts.front());
        EXPECT_FALSE(ListIsOpen(program, control.id));
    }
}

TEST_F(StartUpPicture, SpinFieldsShowZeroWithinTheirRanges) {
    for (const DescribedControl& control : Described().controls) {
        if (control.kind != "spin") {
            continue;
        }
        SCOPED_TRACE("spin field " + std::to_string(control.id));
        EXPECT_EQ(ControlText(program, control.id), "0");
        EXPECT_EQ(SpinNumber(program, control.id), 0);
        const SpinBounds range = SpinRange(program, control.id);
        EXPECT_EQ(range.minimum, control.minimum);
        EXPECT_EQ(range.maximum, control.maximum);
    }
}

TEST_F(StartUpPicture, OnlyDoubleSizeAndTheParameterAreDisabled) {
    for (const DescribedControl& control : Described().controls) {
        const bool enabled = !DisabledAtStart(control.id);
        EXPECT_EQ(IsWindowEnabled(ControlWindow(program, control.id)) != 0, enabled)
            << "control " << control.id;
        if (control.kind == "spin") {
            EXPECT_EQ(IsWindowEnabled(SpinArrows(program, control.id)) != 0, enabled)
                << "arrows of control " << control.id;
        }
    }
}

} // namespace
