// The program's window beside another top-level window of its thread. The focused control is
// kept while the window is inactive and comes back with it; taken away by the program's own
// greying, it goes silently. While the message box is up no window of the thread takes input, the
// main window (its owner) and any other; once it is answered, every one does again.
#include "tests/support/user.h"
#include "tests/support/win32/windows_seen.h"
#include "tests/win32/layer_fixture.h"

#include <algorithm>

namespace {

TEST_F(Win32Window, TheFocusedControlComesBackWithTheWindowAndLeavesSilentlyWhenGreyed) {
    UserFocusControl(OamValueField);
    const HWND other = OpenOtherWindow();
    SetForegroundWindow(other);
    Settle();
    ASSERT_NE(GetActiveWindow(), window);

    SetForegroundWindow(window);
    const std::vector<SeenEvent> seen = Settle();
    EXPECT_EQ(FocusedControl(), OamValueField);
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(),
                            [](const SeenEvent& e) { return e.first == WindowActivatedEvent; }));
    DestroyWindow(other);

    // Greying the focused field takes the focus from it, and that raises nothing: the change is
    // the program's own.
    DisableControl(OamValueField, 1);
    const std::vector<SeenEvent> greyed = Settle();
    EXPECT_EQ(std::count(greyed.begin(), greyed.end(), SeenEvent{ControlEvent, OamValueField}), 0);
}

TEST_F(Win32Window, TheMessageBoxHoldsEveryWindowOfTheProgramUntilOk) {
    const HWND other = OpenOtherWindow();
    SetForegroundWindow(window);
    Settle();
    int greyedWhileUp = -1; // of the two windows; -1 when no box came
    AnswerBoxesWhile(
        [] {
            EXPECT_EQ(ShowMessage("Error", "This is not a valid 6 bytes OAM", PlainMessageFlags),
                      OkAnswer);
        },
        [&](HWND) { greyedWhileUp = !IsWindowEnabled(window) + !IsWindowEnabled(other); });
    EXPECT_EQ(greyedWhileUp, 2) << "the main window and the other, while the box was up";
    EXPECT_TRUE(IsWindowEnabled(window) && IsWindowEnabled(other)) << "once it is answered";
    DestroyWindow(other);
}

} // namespace
