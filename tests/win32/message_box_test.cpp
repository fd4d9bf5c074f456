// While the message box is up no window of the program's thread takes input, the main window
// (its owner) and any other; once it is answered, every one does again.
#include "tests/support/win32/windows_seen.h"
#include "tests/win32/layer_fixture.h"

namespace {

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
