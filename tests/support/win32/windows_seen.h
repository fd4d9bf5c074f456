// What a test in the program's own process sees of its top-level windows: their texts, and the
// message box or main window a thread shows.
#pragma once

#include "harness/win32/window_class.h"

#include <string>

constexpr int MessageBoxTextId = 0xFFFF;

inline std::string WindowTextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

struct VisibleWindowSearch {
    bool box;
    HWND found;
};

inline BOOL CALLBACK TakeVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<VisibleWindowSearch*>(parameter);
    if (IsWindowVisible(window) && HasClass(window, MessageBoxClass) == search.box) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// The thread's visible message box (`box`) or visible window of another class, or nullptr.
inline HWND VisibleWindowOf(DWORD thread, bool box) {
    VisibleWindowSearch search{box, nullptr};
    EnumThreadWindows(thread, TakeVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
