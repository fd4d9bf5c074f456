// The behaviour suite on the Win32 layer, under Wine. The loop runs until the platform has been
// quiet for a while, since what a person does arrives in the platform's own time; message boxes
// are answered from another thread, as the box holds the program's thread until it is closed.
#include "tests/behaviour/layer_under_test.h"

#include "runtime/win32/layer.h"
#include "tests/support/win32/windows_seen.h"
#include "ui/event_loop.h"

#include <cstdio>

namespace {

constexpr DWORD QuietMilliseconds = 50;
constexpr DWORD LongestRunMilliseconds = 3000;
constexpr DWORD LookEveryMilliseconds = 10;
constexpr DWORD WindowWaitMilliseconds = 5000;
constexpr DWORD ClosingMilliseconds = 10000;

DWORD WINAPI CloseOnceUp(LPVOID parameter) {
    const auto uiThread = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(parameter));
    for (DWORD waited = 0; waited < WindowWaitMilliseconds; waited += LookEveryMilliseconds) {
        if (const HWND window = VisibleWindowOf(uiThread, false)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            // A loop that goes on after the close would hold the test program for ever.
            for (DWORD closing = 0; IsWindow(window); closing += LookEveryMilliseconds) {
                if (closing > ClosingMilliseconds) {
                    std::fputs("closing the window did not end the program's loop\n", stderr);
                    ExitProcess(1);
                }
                Sleep(LookEveryMilliseconds);
            }
            return 0;
        }
        Sleep(LookEveryMilliseconds);
    }
    return 0;
}

} // namespace

void RunUntilQuiet() {
    const DWORD start = GetTickCount();
    DWORD lastEvent = start;
    while (GetTickCount() - lastEvent < QuietMilliseconds &&
           GetTickCount() - start < LongestRunMilliseconds) {
        if (RunPass() == NoEvent) {
            Sleep(1);
        } else {
            lastEvent = GetTickCount();
        }
    }
}

std::vector<SeenBox> BoxesShownWhile(const std::function<void()>& action) {
    std::vector<SeenBox> seen;
    AnswerBoxesWhile(action, [&seen](HWND box) {
        seen.push_back({WindowTextOf(box), WindowTextOf(GetDlgItem(box, MessageBoxTextId))});
    });
    return seen;
}

Text ShownTitle() {
    return WindowTextOf(GetAncestor(ParentForNewControls(), GA_ROOT));
}

void CloseWindowOnceWaiting() {
    const auto uiThread = reinterpret_cast<LPVOID>(static_cast<UINT_PTR>(GetCurrentThreadId()));
    CloseHandle(CreateThread(nullptr, 0, CloseOnceUp, uiThread, 0, nullptr));
}
