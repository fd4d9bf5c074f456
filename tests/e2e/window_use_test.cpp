// The program used with real clicks and key strokes: one entry encoded, the error box holding the
// window after a click on "Get Attributes", no processor used once left alone, and Alt+F4. The
// rules behind each are the behaviour suite's (decoding among them); here the platform delivers
// what a person does. The tests run in this order on one program.
#include "tests/e2e/program_fixture.h"

#include <cstdint>

namespace {

constexpr DWORD IdleMeasuredMs = 3000;
constexpr int IdleStretches = 3;
constexpr std::int64_t MostPercentOfOneCore = 2;
constexpr std::int64_t MostIdleTicks =
    LinuxTicksPerSecond * IdleMeasuredMs / 1000 * MostPercentOfOneCore / 100;
// Down from the first size to "32 x 16", a size of the horizontal shape (item 1).
constexpr int StepsToWideSize = 6;
constexpr int WideShape = 1;

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

// The Up key steps a spin field; the tile number is typed with all four digits; the open size
// list takes each arrow step at once, so the shape follows before the list closes.
TEST_F(WindowUse, AnEntryIsEncoded) {
    ASSERT_TRUE(Type(program, YCoordinateSpin, "99"));
    Press({VK_UP});
    ASSERT_TRUE(Type(program, TileNumberSpin, "1023"));
    ASSERT_TRUE(Click(program, ObjSizeCombo));
    ASSERT_TRUE(WaitUntil([] { return IsOpen(program, ObjSizeCombo); }));
    for (int step = 0; step < StepsToWideSize; ++step) {
        Press({VK_DOWN});
    }
    EXPECT_TRUE(
        WaitUntil([] { return Ask(Control(program, ObjShapeCombo), CB_GETCURSEL) == WideShape; }));
    EXPECT_TRUE(IsOpen(program, ObjSizeCombo));
    Press({VK_RETURN});
    ASSERT_TRUE(WaitUntil([] { return !IsOpen(program, ObjSizeCombo); }));
    ASSERT_TRUE(Click(program, CalculateOamButton));
    EXPECT_TRUE(WaitUntil([] { return Shown(program, OamValueField) == "4064800003FF"; }))
        << Shown(program, OamValueField);
}

// A click on the window while the box is up would change what it shows, if the window took it. The
// box's title, and the window greyed while it is up and not after, are the behaviour suite's and
// the Win32 layer's TheMessageBoxHoldsEveryWindowOfTheProgramUntilOk.
TEST_F(WindowUse, TheErrorBoxHoldsTheWindowUntilOkAndChangesNothing) {
    ASSERT_TRUE(Type(program, OamValueField, "0123456789abc"));
    const std::vector<std::string> before = Picture(program.window);
    ASSERT_TRUE(Click(program, GetAttributesButton));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(program)) != nullptr; }));
    // The text and one button, OK; the empty static is where an icon would be.
    EXPECT_EQ(Picture(box),
              (std::vector<std::string>{"", "OK", "This is not a valid 6 bytes OAM"}));
    ASSERT_TRUE(Click(program, CalculateOamButton));
    EXPECT_EQ(MessageBoxOf(program), box) << "the box is still up";

    Press({VK_RETURN}); // on OK, which has the focus
    ASSERT_TRUE(WaitUntil([] { return MessageBoxOf(program) == nullptr; }));
    EXPECT_EQ(Picture(program.window), before);
}

// Wine may still be at work on the last action (painting, X events) in the first stretch.
// Wine follows a pointer resting on a button with a timer of its own (its mouse tracking polls the
// pointer, where Windows is told when it leaves), which would be counted here: the pointer is
// moved off the window first, as a person leaving it alone would.
TEST_F(WindowUse, LeftAloneItUsesNoProcessor) {
    ASSERT_TRUE(SetCursorPos(0, 0));
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
