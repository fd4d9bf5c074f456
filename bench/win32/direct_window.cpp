// The program's window built the most direct way the platform offers: the floor its start-up is
// measured against. The same 39 controls come from the program's own table, so the two can never
// drift apart; everything else (classes, styles, font, item heights, manifest, common controls)
// is spelt out here as plain calls, with no layer, no event queue and no subclassing. The window
// stays hidden until every control is made, then shows once. Built a second time with
// DIRECT_WINDOW_SHOWS_FIRST, it shows the window first and then makes the controls, as the
// program does so that a person sees the window at once: what that order costs by itself.
#include "ui/window_table.h"

#include "bench/win32/plain_window.h"

#include <windows.h>

#include <commctrl.h>

namespace {

#ifdef DIRECT_WINDOW_SHOWS_FIRST
constexpr bool ShowsFirst = true;
#else
constexpr bool ShowsFirst = false;
#endif

constexpr DWORD WindowStyle = WS_CAPTION | WS_SYSMENU;
constexpr const char* ClassName = "DirectWindow";
constexpr WORD ProgramIconResource = 1;
// The program's drop-down lists open to this height and show items of the table's height.
constexpr int OpenedListHeight = 350;
constexpr int MeasuringItemHeight = 15;

struct ChildLook {
    const char* platformClass;
    DWORD style;
    DWORD extendedStyle;
};

ChildLook LookOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextLabel:
        return {"Static", WS_GROUP | SS_LEFT, 0};
    case ControlKind::TextField:
        return {"Edit", WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {"Button", WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Frame:
        return {"Button", WS_GROUP | BS_GROUPBOX, 0};
    case ControlKind::SpinField:
        return {"EDIT", WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList:
        return {"ComboBox", WS_BORDER | WS_VSCROLL | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST, 0};
    }
    return {"Static", 0, 0};
}

HWND Child(HWND parent, const char* platformClass, const char* text, DWORD style,
           DWORD extendedStyle, int x, int y, int width, int height, ControlId id, HFONT font) {
    const HWND child = CreateWindowExA(
        extendedStyle, platformClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void CreateSpinArrows(HWND parent, HWND field, const ControlRow& row, DWORD disabled, HFONT font) {
    const int half = row.box.height / 2;
    const HWND arrows =
        Child(parent, UPDOWN_CLASSA, nullptr,
              UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_SETBUDDYINT | disabled, 0,
              row.box.x + row.box.width - half, row.box.y, half, row.box.height, row.id, font);
    SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
    SendMessageA(arrows, UDM_SETRANGE32, static_cast<WPARAM>(row.holds.minimum),
                 static_cast<LPARAM>(row.holds.maximum));
    // The up-down control picks its own width when created.
    SetWindowPos(arrows, nullptr, row.box.x + row.box.width - half, row.box.y, half, row.box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(arrows, UDM_SETPOS32, 0, 0);
}

void FillList(HWND list, const ControlRow& row) {
    // The closed list is its selection field plus a border of the platform's choosing: measure
    // the border with a known field height, then size the field so that the whole is the row's.
    SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), MeasuringItemHeight);
    RECT outer;
    GetWindowRect(list, &outer);
    const int border = (outer.bottom - outer.top) - MeasuringItemHeight;
    SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), row.box.height - border);
    for (const char* item : row.holds.items) {
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

void CreateControl(HWND parent, const ControlRow& row, HFONT font) {
    const ChildLook look = LookOf(row.kind);
    const DWORD disabled = row.holds.startsDisabled ? WS_DISABLED : 0;
    const bool isList = row.kind == ControlKind::DropDownList;
    const bool isSpin = row.kind == ControlKind::SpinField;
    // A spin field's arrows take the right half of its height off its text part.
    const int width = isSpin ? row.box.width - row.box.height / 2 : row.box.width;
    const HWND child = Child(parent, look.platformClass, row.holds.text, look.style | disabled,
                             look.extendedStyle, row.box.x, row.box.y, width,
                             isList ? OpenedListHeight : row.box.height, row.id, font);
    if (isSpin) {
        CreateSpinArrows(parent, child, row, disabled, font);
    } else if (isList) {
        FillList(child, row);
    }
}

} // namespace

int main() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = QuitOnClose;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ProgramIconResource));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    RegisterClassExA(&windowClass);

    RECT frame{0, 0, MainWindowClientWidth, MainWindowClientHeight};
    AdjustWindowRectEx(&frame, WindowStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const HWND window = CreateWindowExA(0, ClassName, MainWindowTitle, WindowStyle,
                                        (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                        (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                        nullptr, nullptr, instance, nullptr);
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (ShowsFirst) {
        ShowWindow(window, SW_SHOWNORMAL);
    }
    for (const ControlRow& row : ControlRows()) {
        CreateControl(window, row, font);
    }
    if (!ShowsFirst) {
        ShowWindow(window, SW_SHOWNORMAL);
    }

    return RunMessages();
}
