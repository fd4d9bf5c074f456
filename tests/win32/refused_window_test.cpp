// A main window the platform refuses: the program says so in one message box and ends with a
// failure, instead of waiting for a close that can never come (which the test's time limit ends).
#include "tests/support/win32/windows_seen.h"
#include "ui/event_loop.h"

#include <gtest/gtest.h>

namespace {

// Every top-level window of the thread but a message box is refused, as a platform out of
// resources would.
LRESULT CALLBACK RefuseTopLevelWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->hwndParent &&
        !HasClass(reinterpret_cast<HWND>(wParam), MessageBoxClass)) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Program, SaysSoInOneMessageAndFailsWhenThePlatformRefusesTheWindow) {
    const HHOOK hook =
        SetWindowsHookExA(WH_CBT, RefuseTopLevelWindows, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    int exitCode = 0;
    int boxes = 0;
    AnswerBoxesWhile([&exitCode] { exitCode = RunProgram(); }, [&boxes](HWND) { ++boxes; });
    UnhookWindowsHookEx(hook);
    EXPECT_NE(exitCode, 0);
    EXPECT_EQ(boxes, 1);
}

} // namespace
