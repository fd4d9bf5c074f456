// The least a Win32 program can be that shows a window of the program's size and frame: the
// baseline the program's start-up time and memory are measured against.
#include "bench/win32/plain_window.h"

#include <windows.h>

namespace {

constexpr int ClientWidth = 840;
constexpr int ClientHeight = 380;
constexpr DWORD Style = WS_CAPTION | WS_SYSMENU;
constexpr const char* ClassName = "MinimalWindow";

} // namespace

int main() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = QuitOnClose;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    RegisterClassA(&windowClass);

    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, Style, FALSE, 0);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    HWND window =
        CreateWindowExA(0, ClassName, "Minimal", Style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                        (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                        nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);

    return RunMessages();
}
