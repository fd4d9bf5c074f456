// The window table and OpenMainWindow.
#include "runtime/win32/layer.h"

#include <cstdio>
#include <string>

namespace {

struct WindowEntry {
    HWND handle = nullptr;
    HACCEL accelerators = nullptr;
    bool minimisedOrMaximised = false;
    UINT dpi = TableDpi;
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

// The window's outer rectangle for a client area of width x height table units at `dpi`,
// centred on the screen if asked; never larger than the screen then.
RECT OuterRect(int x, int y, int width, int height, std::int32_t flags, UINT dpi) {
    const auto style = static_cast<DWORD>(flags & ~CentreOnScreenFlag);
    const RECT frame = FrameForDpi(ScaledToDpi(width, dpi), ScaledToDpi(height, dpi), style, dpi);
    int outerWidth = frame.right - frame.left;
    int outerHeight = frame.bottom - frame.top;
    x = ScaledToDpi(x, dpi);
    y = ScaledToDpi(y, dpi);
    if (flags & CentreOnScreenFlag) {
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        outerWidth = outerWidth < screenWidth ? outerWidth : screenWidth;
        outerHeight = outerHeight < screenHeight ? outerHeight : screenHeight;
        x = (screenWidth - outerWidth) / 2;
        y = (screenHeight - outerHeight) / 2;
    }
    return {x, y, x + outerWidth, y + outerHeight};
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

    // Made at the system's DPI; a window that comes up on a monitor of another DPI is sized again
    // for it.
    const UINT systemDpi = DpiOfWindow(nullptr);
    const RECT outer = OuterRect(x, y, width, height, flags, systemDpi);
    // The number travels with the creation, so that the property is there before the first
    // message that raises an event (WM_SIZE and WM_MOVE come during CreateWindowExA).
    const Text caption(title.chars);
    HWND handle = CreateWindowExA(
        0, className.c_str(), caption.c_str(), static_cast<DWORD>(flags & ~CentreOnScreenFlag),
        outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
        ModuleInstance(), reinterpret_cast<LPVOID>(static_cast<INT_PTR>(number) + 1));
    if (!handle) {
        UnregisterClassA(className.c_str(), ModuleInstance());
        return false;
    }
    const UINT dpi = DpiOfWindow(handle);
    if (dpi != systemDpi) {
        const RECT onItsMonitor = OuterRect(x, y, width, height, flags, dpi);
        SetWindowPos(handle, nullptr, onItsMonitor.left, onItsMonitor.top,
                     onItsMonitor.right - onItsMonitor.left, onItsMonitor.bottom - onItsMonitor.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (static_cast<std::size_t>(number) >= windows.size()) {
        windows.resize(static_cast<std::size_t>(number) + 1);
    }
    windows[static_cast<std::size_t>(number)] = {handle, nullptr, false, dpi};
    openedLast = handle;
    ShowWindow(handle, SW_SHOWNORMAL);
    windows[static_cast<std::size_t>(number)].accelerators = CreateTabAccelerators();
    return true;
}

void ChangeWindowDpi(HWND window, UINT dpi, const RECT& suggested) {
    WindowEntry* entry = EntryOf(window);
    if (!entry) {
        return;
    }
    entry->dpi = dpi;
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    BeginOwnChange();
    for (const ControlId id : ControlsInCreationOrder()) {
        const ControlEntry* control = FindControl(id);
        if (control && GetParent(WindowOf(*control)) == window) {
            PlaceControl(*control, dpi);
        }
    }
    EndOwnChange();
    InvalidateRect(window, nullptr, TRUE);
}

UINT LayoutDpi(HWND window) {
    const WindowEntry* entry = EntryOf(window);
    return entry ? entry->dpi : DpiOfWindow(window);
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
