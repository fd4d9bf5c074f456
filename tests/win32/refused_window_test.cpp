// A main window the platform refuses: the program says so in one message box and ends with a
// failure, instead of waiting for a close that can never come.
#include "tests/support/win32/windows_seen.h"
#include "ui/event_loop.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr DWORD LookEveryMs = 20;
// Far longer than the program needs to give up; a loop that never ends is ended here instead.
constexpr DWORD GiveUpMs = 20000;

// Every top-level window of the thread but a message box is refused, as a platform out of
// resources would.
LRESULT CALLBACK RefuseTopLevelWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->hwndParent &&
        !HasClass(reinterpret_cast<HWND>(wParam), MessageBoxClass)) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct BoxWatch {
    DWORD uiThread;
    volatile LONG done = 0;
    int seen = 0;
};

// The person in front of the screen: answers each box with OK.
DWORD WINAPI AnswerBoxes(LPVOID parameter) {
    auto& watch = *static_cast<BoxWatch*>(parameter);
    for (DWORD waited = 0; !InterlockedCompareExchange(&watch.done, 0, 0); waited += LookEveryMs) {
        if (waited > GiveUpMs) {
            std::fputs("the program went on without its window\n", stderr);
            ExitProcess(1);
        }
        if (const HWND box = VisibleWindowOf(watch.uiThread, true)) {
            ++watch.seen;
            SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            while (IsWindow(box)) {
                Sleep(LookEveryMs);
            }
        }
        Sleep(LookEveryMs);
    }
    return 0;
}

TEST(Program, SaysSoInOneMessageAndFailsWhenThePlatformRefusesTheWindow) {
    const HHOOK hook =
        SetWindowsHookExA(WH_CBT, RefuseTopLevelWindows, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    BoxWatch watch{GetCurrentThreadId()};
    const HANDLE person = CreateThread(nullptr, 0, AnswerBoxes, &watch, 0, nullptr);
    const int exitCode = RunProgram();
    InterlockedExchange(&watch.done, 1);
    WaitForSingleObject(person, INFINITE);
    CloseHandle(person);
    UnhookWindowsHookEx(hook);
    EXPECT_NE(exitCode, 0);
    EXPECT_EQ(watch.seen, 1);
}

} // namespace
