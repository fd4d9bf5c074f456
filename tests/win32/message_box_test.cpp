// While the message box is up no window of the program's thread takes input, the main window
// (its owner) and any other; once it is answered, every one does again.
#include "tests/support/win32/windows_seen.h"
#include "tests/win32/layer_fixture.h"

namespace {

constexpr DWORD LookEveryMs = 20;
constexpr int LooksBeforeGivingUp = 250;

struct BoxWatch {
    DWORD uiThread;
    HWND main;
    HWND other;
    int greyedWhileUp = -1; // of the two windows; -1 when no box came
};

// The person in front of the box: looks at the windows while it is up, then presses OK.
DWORD WINAPI PressOkOnceTheBoxIsUp(LPVOID parameter) {
    auto& watch = *static_cast<BoxWatch*>(parameter);
    HWND box = nullptr;
    for (int look = 0; look < LooksBeforeGivingUp && !box; ++look) {
        Sleep(LookEveryMs);
        box = VisibleWindowOf(watch.uiThread, true);
    }
    if (box) {
        watch.greyedWhileUp = !IsWindowEnabled(watch.main) + !IsWindowEnabled(watch.other);
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
    return 0;
}

TEST_F(Win32Window, TheMessageBoxHoldsEveryWindowOfTheProgramUntilOk) {
    const HWND other = OpenOtherWindow();
    SetForegroundWindow(window);
    Settle();
    BoxWatch watch{GetCurrentThreadId(), window, other};
    const HANDLE person = CreateThread(nullptr, 0, PressOkOnceTheBoxIsUp, &watch, 0, nullptr);
    EXPECT_EQ(ShowMessage("Error", "This is not a valid 6 bytes OAM", PlainMessageFlags), OkAnswer);
    WaitForSingleObject(person, INFINITE);
    CloseHandle(person);
    EXPECT_EQ(watch.greyedWhileUp, 2) << "the main window and the other, while the box was up";
    EXPECT_TRUE(IsWindowEnabled(window) && IsWindowEnabled(other)) << "once it is answered";
    DestroyWindow(other);
}

} // namespace
