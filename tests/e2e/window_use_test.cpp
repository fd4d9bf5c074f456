// The program used with real clicks and key strokes: one entry encoded through the button, arrow
// keys in an open list and in a spin field, Tab, one entry decoded through the button, the error
// box holding the window, no processor used once left alone, and Alt+F4. The rules behind each are
// the behaviour suite's; here the platform delivers what a person does. The tests run in this order
// on one program.
#include "tests/e2e/program_fixture.h"

#include <cstdint>

namespace {

constexpr DWORD IdleMeasuredMs = 3000;
constexpr int IdleStretches = 3;
constexpr std::int64_t MostPercentOfOneCore = 2;
constexpr std::int64_t MostIdleTicks =
    LinuxTicksPerSecond * IdleMeasuredMs / 1000 * MostPercentOfOneCore / 100;

using WindowUse = ProgramGroup;

// What a window shows: each visible control's text (a list's chosen item) and whether it is
// greyed.
std::vector<std::string> Picture(HWND window) {
    std::vector<std::string> picture;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            picture.push_back(TextOf(child) + (IsWindowEnabled(child) ? "" : " (greyed)"));
        }
    }
    return picture;
}

// The tile number is typed with all four digits; the shape follows the size.
TEST_F(WindowUse, AnEntryIsEncoded) {
    ASSERT_TRUE(Type(program, YCoordinateSpin, "100"));
    ASSERT_TRUE(Type(program, TileNumberSpin, "1023"));
    ASSERT_TRUE(Pick(program, ObjSizeCombo, 6));
    ASSERT_TRUE(Pick(program, HFlipCombo, 1));
    ASSERT_TRUE(Click(program, CalculateOamButton));
    WaitUntil([] { return !Shown(program, OamValueField).empty(); });
    EXPECT_EQ(Shown(program, OamValueField), "4064900003FF");
}

// The interlock follows each step while the list is still open.
TEST_F(WindowUse, ArrowKeysStepAnOpenListWhichTakesEachStepAtOnceAndASpinField) {
    ASSERT_EQ(Selection(program, RotScaleCombo), 0) << "rotation/scaling off, as at the start";
    ASSERT_TRUE(Click(program, RotScaleCombo));
    ASSERT_TRUE(WaitUntil([] { return IsOpen(program, RotScaleCombo); }));
    Press({VK_DOWN});
    // The interlock greys the vertical flip list last.
    EXPECT_TRUE(WaitUntil([] { return !Enabled(program, VFlipCombo); }));
    EXPECT_TRUE(Enabled(program, DoubleSizeCombo));
    EXPECT_TRUE(IsOpen(program, RotScaleCombo));
    Press({VK_RETURN});
    ASSERT_TRUE(WaitUntil([] { return !IsOpen(program, RotScaleCombo); }));
    EXPECT_EQ(Selection(program, RotScaleCombo), 1);

    ASSERT_TRUE(Type(program, PaletteNumberSpin, "7"));
    Press({VK_UP});
    EXPECT_TRUE(WaitUntil([] { return Shown(program, PaletteNumberSpin) == "8"; }));
}

// Creation order, without labels, frames and the controls that rotation/scaling (on, as the arrow
// keys left it) leaves out, and round to the first again.
TEST_F(WindowUse, TabVisitsTheEnabledControlsInCreationOrder) {
    const std::vector<ControlId> expected = {
        GetAttributesButton, CalculateOamButton, YCoordinateSpin,   RotScaleCombo,
        DoubleSizeCombo,     ObjModeCombo,       ObjMosaicCombo,    ColorsPalettesCombo,
        ObjShapeCombo,       XCoordinateSpin,    RotScaleParamSpin, ObjSizeCombo,
        TileNumberSpin,      PriorityCombo,      PaletteNumberSpin, OamValueField};
    ASSERT_TRUE(Click(program, OamValueField));
    ASSERT_TRUE(WaitUntil([] { return Focused(program) == OamValueField; }));
    std::vector<ControlId> visited;
    for (std::size_t press = 0; press < expected.size(); ++press) {
        const ControlId before = Focused(program);
        Press({VK_TAB});
        WaitUntil([&] { return Focused(program) != before; });
        visited.push_back(Focused(program));
    }
    EXPECT_EQ(visited, expected);
}

// With rotation/scaling on, as the arrow keys left it: the decoded entry turns it off.
TEST_F(WindowUse, AnEntryIsDecoded) {
    ASSERT_TRUE(Type(program, OamValueField, "7464912c5a01"));
    EXPECT_EQ(Shown(program, OamValueField), "7464912C5A01");
    ASSERT_TRUE(Click(program, GetAttributesButton));
    // The palette number is the last field it sets, and the interlock enables the vertical flip
    // list last.
    EXPECT_TRUE(WaitUntil(
        [] { return Shown(program, PaletteNumberSpin) == "5" && Enabled(program, VFlipCombo); }));
    EXPECT_EQ(Shown(program, XCoordinateSpin), "300");
    EXPECT_EQ(Shown(program, TileNumberSpin), "513");
    EXPECT_EQ(Selection(program, RotScaleCombo), 0);
    EXPECT_EQ(Selection(program, ObjSizeCombo), 6);
    EXPECT_EQ(Selection(program, PriorityCombo), 2);
    EXPECT_FALSE(Enabled(program, RotScaleParamSpin));
}

// A click on the window while the box is up would change what it shows, if the window took it.
TEST_F(WindowUse, TheErrorBoxHoldsTheWindowUntilOkAndChangesNothing) {
    ASSERT_TRUE(Type(program, OamValueField, "0123456789abc"));
    const std::vector<std::string> before = Picture(program.window);
    ASSERT_TRUE(Click(program, GetAttributesButton));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(program)) != nullptr; }));
    EXPECT_EQ(TextOf(box), "Error");
    // The text and one button, OK; the empty static is where an icon would be.
    EXPECT_EQ(Picture(box),
              (std::vector<std::string>{"", "OK", "This is not a valid 6 bytes OAM"}));
    EXPECT_FALSE(IsWindowEnabled(program.window));
    ASSERT_TRUE(Click(program, CalculateOamButton));
    EXPECT_EQ(MessageBoxOf(program), box) << "the box is still up";

    Press({VK_RETURN}); // on OK, which has the focus
    ASSERT_TRUE(WaitUntil([] { return MessageBoxOf(program) == nullptr; }));
    EXPECT_TRUE(IsWindowEnabled(program.window));
    EXPECT_EQ(Picture(program.window), before);
}

// Wine may still be at work on the last action (painting, X events) in the first stretch.
TEST_F(WindowUse, LeftAloneItUsesNoProcessor) {
    const std::vector<int> found = LinuxProcessesNaming(ProgramPath());
    ASSERT_EQ(found.size(), 1u) << "the program's Linux process";
    std::int64_t used = -1;
    for (int stretch = 0; stretch < IdleStretches && !(used >= 0 && used < MostIdleTicks);
         ++stretch) {
        const std::int64_t before = ProcessorTicks(found[0]);
        Sleep(IdleMeasuredMs); // the measurement itself, not a wait for something to happen
        used = before < 0 ? -1 : ProcessorTicks(found[0]) - before;
    }
    EXPECT_GE(used, 0);
    EXPECT_LT(used, MostIdleTicks) << used << " ticks of 1/100 s in " << IdleMeasuredMs << " ms";
}

TEST_F(WindowUse, AltF4EndsTheProgramWithExitCodeZero) {
    // With the focus in a control, where a person's keys usually go.
    ASSERT_TRUE(Click(program, OamValueField));
    ASSERT_TRUE(WaitUntil([] { return Focused(program) == OamValueField; }));
    Press({VK_MENU, VK_F4});
    ExpectEndsWithExitCodeZero();
}

} // namespace
