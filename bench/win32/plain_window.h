// What the benchmark's plain window programs share: a window procedure that ends the program when
// its window is closed, and the message loop.
#pragma once

#include <windows.h>

LRESULT CALLBACK QuitOnClose(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs until the window is closed; gives the process's exit code.
int RunMessages();
