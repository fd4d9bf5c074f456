// The window table and OpenMainWindow.
#include "runtime/win32/layer.h"

#include <cstdio>
#include <string>

namespace {

struct WindowEntry {
    HWND handle = nullptr;
    HACCEL accelerators = nullptr;
    bool minimisedOrMaximised = false;
};

std::vector<WindowEntry> windows;
HWND openedLast = nullptr;

// The window carries its number plus 1, so that a missing property (0) means "not ours".
constexpr const char* WindowNumberProperty = "OamcalcWindowNumber";

constexpr WORD NextControlCommand = 64001;
constexpr WORD PreviousControlCommand = 64002;

std::string ClassName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "WindowClass_%d", number);
    return name;
}

WindowEntry* EntryOf(HWND handle) {
    for (WindowEntry& entry : windows) {
        if (handle && entry.handle == handle) {
            return &entry;
        }
    }
    return nullptr;
}

void CloseWindowNumber(int number) {
    if (number < 0 || static_cast<std::size_t>(number) >= windows.size()) {
        return;
    }
    WindowEntry& entry = windows[static_cast<std::size_t>(number)];
    if (!entry.handle) {
        return;
    }
    if (openedLast == entry.handle) {
        openedLast = nullptr;
    }
    DestroyWindow(entry.handle);
    UnregisterClassA(ClassName(number).c_str(), ModuleInstance());
    DestroyAcceleratorTable(entry.accelerators);
    entry = {};
}

void RegisterWindowClass(const std::string& name) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = LayerWindowProcedure;
    windowClass.hInstance = ModuleInstance();
    windowClass.hIcon = ProgramIcon();
    windowClass.hCursor = ArrowCursor();
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    RegisterClassExA(&windowClass);
}

HACCEL CreateTabAccelerators() {
    ACCEL keys[] = {
        {FVIRTKEY | FNOINVERT, VK_TAB, NextControlCommand},
        {FVIRTKEY | FNOINVERT | FSHIFT, VK_TAB, PreviousControlCommand},
    };
    return CreateAcceleratorTableA(keys, 2);
}

} // namespace

bool OpenMainWindow(int number, int x, int y, int width, int height, TextRef title,
                    std::int32_t flags) {
    if (number < 0) {
        return false;
    }
    CloseWindowNumber(number);
    const std::string className = ClassName(number);
    RegisterWindowClass(className);

    const auto style = static_cast<DWORD>(flags & ~CentreOnScreenFlag);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    int outerWidth = frame.right - frame.left;
    int outerHeight = frame.bottom - frame.top;
    if (flags & CentreOnScreenFlag) {
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        outerWidth = outerWidth < screenWidth ? outerWidth : screenWidth;
        outerHeight = outerHeight < screenHeight ? outerHeight : screenHeight;
        x = (screenWidth - outerWidth) / 2;
        y = (screenHeight - outerHeight) / 2;
    }

    // The number travels with the creation, so that the property is there before the first
    // message that raises an event (WM_SIZE and WM_MOVE come during CreateWindowExA).
    const Text caption(title.chars);
    HWND handle = CreateWindowExA(0, className.c_str(), caption.c_str(), style, x, y, outerWidth,
                                  outerHeight, nullptr, nullptr, ModuleInstance(),
                                  reinterpret_cast<LPVOID>(static_cast<INT_PTR>(number) + 1));
    if (!handle) {
        UnregisterClassA(className.c_str(), ModuleInstance());
        return false;
    }
    if (static_cast<std::size_t>(number) >= windows.size()) {
        windows.resize(static_cast<std::size_t>(number) + 1);
    }
    windows[static_cast<std::size_t>(number)] = {handle, nullptr, false};
    openedLast = handle;
    ShowWindow(handle, SW_SHOWNORMAL);
    windows[static_cast<std::size_t>(number)].accelerators = CreateTabAccelerators();
    return true;
}

void MarkWindowNumber(HWND handle, LPARAM createParams) {
    SetPropA(handle, WindowNumberProperty, reinterpret_cast<HANDLE>(createParams));
}

void UnmarkWindowNumber(HWND handle) {
    RemovePropA(handle, WindowNumberProperty);
}

HWND ParentForNewControls() {
    return openedLast;
}

int WindowNumberOf(HWND handle) {
    for (; handle; handle = GetParent(handle)) {
        const auto mark = reinterpret_cast<INT_PTR>(GetPropA(handle, WindowNumberProperty));
        if (mark) {
            return static_cast<int>(mark - 1);
        }
    }
    return -1;
}

HACCEL AcceleratorOf(HWND window) {
    const WindowEntry* entry = EntryOf(window);
    return entry ? entry->accelerators : nullptr;
}

bool IsNextControlCommand(WORD command) {
    return command == NextControlCommand;
}

bool IsPreviousControlCommand(WORD command) {
    return command == PreviousControlCommand;
}

bool WasMinimisedOrMaximised(HWND window) {
    const WindowEntry* entry = EntryOf(window);
    return entry && entry->minimisedOrMaximised;
}

void SetMinimisedOrMaximised(HWND window, bool special) {
    if (WindowEntry* entry = EntryOf(window)) {
        entry->minimisedOrMaximised = special;
    }
}

void CloseAllWindows() {
    for (std::size_t number = 0; number < windows.size(); ++number) {
        CloseWindowNumber(static_cast<int>(number));
    }
    windows.clear();
    openedLast = nullptr;
}
