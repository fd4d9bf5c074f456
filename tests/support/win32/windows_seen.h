// What a test in the program's own process sees of its top-level windows: their texts and places,
// the message box or main window a thread shows, and a person answering each box with OK.
#pragma once

#include "harness/win32/window_class.h"

#include <functional>
#include <string>
#include <vector>

constexpr int MessageBoxTextId = 0xFFFF;
constexpr DWORD LookForBoxEveryMs = 10;

inline std::string WindowTextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Left, top, right and bottom in the window's inner area, where the program places controls.
inline std::vector<LONG> Placed(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The thread's visible message box (`box`) or visible window of another class, or nullptr.
inline HWND VisibleWindowOf(DWORD thread, bool box) {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetWindowThreadProcessId(window, nullptr) == thread && IsWindowVisible(window) &&
            HasClass(window, MessageBoxClass) == box) {
            return window;
        }
    }
    return nullptr;
}

struct BoxAnswering {
    DWORD uiThread;
    const std::function<void(HWND box)>& look;
    volatile LONG done = 0;
};

inline DWORD WINAPI AnswerEachBox(LPVOID parameter) {
    auto& answering = *static_cast<BoxAnswering*>(parameter);
    while (!InterlockedCompareExchange(&answering.done, 0, 0)) {
        const HWND box = VisibleWindowOf(answering.uiThread, true);
        if (!box) {
            Sleep(LookForBoxEveryMs);
            continue;
        }
        answering.look(box);
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        while (IsWindow(box)) {
            Sleep(LookForBoxEveryMs);
        }
    }
    return 0;
}

// Runs `action` on this thread while a person on another looks at each message box it shows and
// answers it with OK: the box holds the thread that shows it until then.
inline void AnswerBoxesWhile(const std::function<void()>& action,
                             const std::function<void(HWND box)>& look) {
    BoxAnswering answering{GetCurrentThreadId(), look};
    const HANDLE person = CreateThread(nullptr, 0, AnswerEachBox, &answering, 0, nullptr);
    action();
    InterlockedExchange(&answering.done, 1);
    WaitForSingleObject(person, INFINITE);
    CloseHandle(person);
}
