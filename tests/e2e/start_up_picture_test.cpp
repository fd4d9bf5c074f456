// The window as a person first meets it: its frame and place, and every control with its class,
// rectangle, text or items and state, after the program's first pass.
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/screenshot.h"
#include "tests/e2e/wait.h"

#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr const char* Title = "Quorvex - Dunmarrow";
constexpr int InnerWidth = 840;
constexpr int InnerHeight = 380;
constexpr int SpinArrowsWidth = 10; // half the spin fields' height

enum class Kind { Label, Field, Button, Frame, Spin, List };

struct Expected {
    ControlId id;
    Kind kind;
    int x, y, width, height;
    std::string text = {};
    std::vector<std::string> items = {};
    int maximum = 0; // of a spin field; every range starts at 0
};

const std::vector<Expected>& WindowTable() {
    using enum Kind;
    static const std::vector<Expected> table = {
        {OamValueLabel, Label, 130, 40, 130, 20, "OAM Value (6 bytes Hex) : "},
        {OamValueField, Field, 290, 40, 110, 20, ""},
        {GetAttributesButton, Button, 420, 30, 110, 30, "Get Attributes"},
        {CalculateOamButton, Button, 540, 30, 110, 30, "Calculate OAM"},
        {Attribute0Frame, Frame, 20, 90, 260, 280, "OBJ Attribute 0"},
        {Attribute1Frame, Frame, 290, 90, 260, 280, "OBJ Attribute 1"},
        {Attribute2Frame, Frame, 560, 90, 260, 280, "OBJ Attribute 2"},
        {YCoordinateLabel, Label, 40, 120, 80, 20, "Y-Coordinate : "},
        {YCoordinateSpin, Spin, 150, 120, 40, 20, {}, {}, 255},
        {RotScaleLabel, Label, 40, 150, 90, 20, "Rotation/Scaling :"},
        {RotScaleCombo, List, 150, 150, 50, 20, {}, {"Off", "On"}},
        {DoubleSizeLabel, Label, 40, 180, 90, 20, "Double Size : "},
        {DoubleSizeCombo, List, 150, 180, 60, 20, {}, {"Normal", "Double"}},
        {ObjDisableLabel, Label, 40, 210, 80, 20, "OBJ Disable : "},
        {ObjDisableCombo, List, 150, 210, 90, 20, {}, {"Normal", "Not Displayed"}},
        {ObjModeLabel, Label, 40, 240, 80, 20, "OBJ Mode : "},
        {ObjModeCombo,
         List,
         150,
         240,
         110,
         20,
         {},
         {"Normal", "Semi-Transparent", "OBJ Window", "Prohibited"}},
        {ObjMosaicLabel, Label, 40, 270, 80, 20, "OBJ Mosaic : "},
        {ObjMosaicCombo, List, 150, 270, 50, 20, {}, {"off", "on"}},
        {ColorsPalettesLabel, Label, 40, 300, 80, 20, "Colors/Palettes : "},
        {ColorsPalettesCombo,
         List,
         150,
         300,
         125,
         20,
         {},
         {"16 colors/16 palettes", "256 colors/1 palette"}},
        {ObjShapeLabel, Label, 40, 330, 80, 20, "OBJ Shape : "},
        {ObjShapeCombo,
         List,
         150,
         330,
         100,
         20,
         {},
         {"Square", "Horizontal", "Vertical", "Prohibited"}},
        {XCoordinateLabel, Label, 310, 120, 80, 20, "X-Coordinate : "},
        {XCoordinateSpin, Spin, 420, 120, 40, 20, {}, {}, 511},
        {RotScaleParamLabel, Label, 310, 170, 80, 30, "Rotation/Scaling Parameter : "},
        {RotScaleParamSpin, Spin, 420, 170, 40, 20, {}, {}, 31},
        {HFlipLabel, Label, 310, 230, 80, 20, "Horizontal Flip : "},
        {HFlipCombo, List, 420, 230, 80, 20, {}, {"Normal", "Mirrored"}},
        {VFlipLabel, Label, 310, 280, 80, 20, "Vertical Flip : "},
        {VFlipCombo, List, 420, 280, 80, 20, {}, {"Normal", "Mirrored"}},
        {ObjSizeLabel, Label, 310, 330, 80, 20, "OBJ Size : "},
        {ObjSizeCombo,
         List,
         420,
         330,
         70,
         20,
         {},
         {"8  x  8", "16 x 16", "32 x 32", "64 x 64", "16 x 8", "32 x 8", "32 x 16", "64 x 32",
          "8  x 16", "8  x 32", "16 x 32", "32 x 64"}},
        {TileNumberLabel, Label, 580, 120, 80, 20, "Tile Number : "},
        {TileNumberSpin, Spin, 690, 120, 40, 20, {}, {}, 1023},
        {PriorityLabel, Label, 580, 190, 70, 30, "Priority relative to BG  : "},
        {PriorityCombo, List, 690, 190, 60, 20, {}, {"Highest", "High", "Low", "Lowest"}},
        {PaletteNumberLabel, Label, 580, 260, 70, 30, "Palette Number : "},
        {PaletteNumberSpin, Spin, 690, 260, 40, 20, {}, {}, 15},
    };
    return table;
}

std::string PlatformClass(Kind kind) {
    switch (kind) {
    case Kind::Label:
        return "Static";
    case Kind::Field:
    case Kind::Spin:
        return "Edit";
    case Kind::Button:
    case Kind::Frame:
        return "Button";
    case Kind::List:
        return "ComboBox";
    }
    return {};
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
    EXPECT_EQ(TextOf(program.window), Title);
}

TEST_F(StartUpPicture, InnerAreaIs840By380) {
    RECT inner{};
    GetClientRect(program.window, &inner);
    EXPECT_EQ(inner.right - inner.left, InnerWidth);
    EXPECT_EQ(inner.bottom - inner.top, InnerHeight);
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

TEST_F(StartUpPicture, WindowHoldsExactlyTheTableControls) {
    std::multiset<ControlId> expected;
    for (const Expected& control : WindowTable()) {
        expected.insert(control.id);
        if (control.kind == Kind::Spin) {
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
    for (const Expected& control : WindowTable()) {
        SCOPED_TRACE("control " + std::to_string(control.id));
        const HWND handle = ControlWindow(program, control.id);
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(ClassOf(handle), PlatformClass(control.kind));
        RECT wanted{control.x, control.y, control.x + control.width, control.y + control.height};
        if (control.kind == Kind::Spin) {
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
    for (const Expected& control : WindowTable()) {
        if (control.kind == Kind::Spin || control.kind == Kind::List) {
            continue;
        }
        EXPECT_EQ(ControlText(program, control.id), control.text) << "control " << control.id;
    }
}

TEST_F(StartUpPicture, ListsHoldTheirItemsInOrderAndShowTheFirst) {
    for (const Expected& control : WindowTable()) {
        if (control.kind != Kind::List) {
            continue;
        }
        SCOPED_TRACE("list " + std::to_string(control.id));
        EXPECT_EQ(ListItems(program, control.id), control.items);
        EXPECT_EQ(ListSelection(program, control.id), 0);
        EXPECT_EQ(ControlText(program, control.id), control.items.front());
        EXPECT_FALSE(ListIsOpen(program, control.id));
    }
}

TEST_F(StartUpPicture, SpinFieldsShowZeroWithinTheirRanges) {
    for (const Expected& control : WindowTable()) {
        if (control.kind != Kind::Spin) {
            continue;
        }
        SCOPED_TRACE("spin field " + std::to_string(control.id));
        EXPECT_EQ(ControlText(program, control.id), "0");
        EXPECT_EQ(SpinNumber(program, control.id), 0);
        const SpinBounds range = SpinRange(program, control.id);
        EXPECT_EQ(range.minimum, 0);
        EXPECT_EQ(range.maximum, control.maximum);
    }
}

TEST_F(StartUpPicture, OnlyDoubleSizeAndTheParameterAreDisabled) {
    for (const Expected& control : WindowTable()) {
        const bool enabled = !DisabledAtStart(control.id);
        EXPECT_EQ(IsWindowEnabled(ControlWindow(program, control.id)) != 0, enabled)
            << "control " << control.id;
        if (control.kind == Kind::Spin) {
            EXPECT_EQ(IsWindowEnabled(SpinArrows(program, control.id)) != 0, enabled)
                << "arrows of control " << control.id;
        }
    }
}

} // namespace
