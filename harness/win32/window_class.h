// A window's class, as any process sees it: how a message box is told from the program's window.
#pragma once

#include <windows.h>

#include <string>

constexpr const char* MessageBoxClass = "#32770";

inline bool HasClass(HWND window, const char* className) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == className;
}
