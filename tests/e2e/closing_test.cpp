// Closing the window the two ways a person does ends the program, with exit code 0.
#include "tests/e2e/input.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/wait.h"

namespace {

constexpr DWORD ExitTimeoutMs = 10000;

// Closing ends the program, so each test needs one of its own.
class Closing : public ProgramGroup {
  protected:
    static void SetUpTestSuite() {}
    static void TearDownTestSuite() {}

    void SetUp() override {
        started = StartProgram(program, ProgramPath());
        ProgramGroup::SetUp();
    }

    void TearDown() override { StopProgram(program); }

    // Where the mouse finds the close box on the caption, as the window itself tells.
    static bool FindCloseBox(POINT& found) {
        RECT outer{};
        GetWindowRect(program.window, &outer);
        POINT inner{0, 0};
        ClientToScreen(program.window, &inner);
        const LONG middle = (outer.top + inner.y) / 2;
        LONG left = -1;
        LONG right = -1;
        for (LONG x = outer.left; x < outer.right; ++x) {
            if (SendMessageW(program.window, WM_NCHITTEST, 0, MAKELPARAM(x, middle)) == HTCLOSE) {
                left = left < 0 ? x : left;
                right = x;
            }
        }
        found = {(left + right) / 2, middle};
        return left >= 0;
    }

    static void ExpectEndsWithExitCodeZero() {
        DWORD exitCode = 1;
        ASSERT_TRUE(WaitForExit(program, ExitTimeoutMs, exitCode)) << "the program still runs";
        EXPECT_EQ(exitCode, 0u);
        EXPECT_FALSE(IsWindow(program.window));
    }
};

TEST_F(Closing, CloseBoxEndsTheProgramWithExitCodeZero) {
    POINT closeBox{};
    ASSERT_TRUE(FindCloseBox(closeBox));
    ClickAt(closeBox);
    ExpectEndsWithExitCodeZero();
}

TEST_F(Closing, AltF4EndsTheProgramWithExitCodeZero) {
    // With the focus in a control, where a person's keys usually go.
    ASSERT_TRUE(ClickControl(program, OamValueField));
    ASSERT_TRUE(WaitUntil([] { return FocusedControl(program) == OamValueField; }));
    PressKeyHolding(VK_MENU, VK_F4);
    ExpectEndsWithExitCodeZero();
}

} // namespace
