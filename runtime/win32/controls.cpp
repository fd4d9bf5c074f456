// Creating the six kinds of control.
#include "runtime/win32/layer.h"

#include <commctrl.h>

namespace {

// The height of a drop-down list's opened list; the closed control is sized separately.
constexpr int OpenedListHeight = 350;
// Any selection-field height will do for measuring how much the control adds around it.
constexpr int MeasuringItemHeight = 15;

HWND CreateChild(ControlId id, const char* platformClass, TextRef text, DWORD style,
                 DWORD extendedStyle, int x, int y, int width, int height) {
    const HWND parent = ParentForNewControls();
    if (!parent || id < 0) {
        return nullptr;
    }
    const Text caption(text.chars);
    return CreateWindowExA(extendedStyle, platformClass, caption.c_str(),
                           WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleInstance(),
                           nullptr);
}

// Takes over the number from any control that held it and makes the new one look like the rest.
void Adopt(ControlId id, HWND handle, ControlKind kind, ControlBox box, HWND arrows) {
    if (const HWND previous = ControlWindow(id)) {
        DestroyWindow(previous);
    }
    RecordControl(id, handle, kind, box, arrows);
    SetWindowLongPtrA(handle, GWLP_ID, id);
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), TRUE);
    WatchControl(id, handle);
}

bool CreateSimple(ControlId id, ControlKind kind, const char* platformClass, TextRef text,
                  DWORD style, DWORD extendedStyle, int x, int y, int width, int height) {
    BeginOwnChange();
    const HWND handle =
        CreateChild(id, platformClass, text, style, extendedStyle, x, y, width, height);
    if (handle) {
        Adopt(id, handle, kind, {x, y, width, height}, nullptr);
    }
    EndOwnChange();
    return handle != nullptr;
}

} // namespace

bool CreateTextLabel(ControlId id, int x, int y, int width, int height, TextRef text) {
    return CreateSimple(id, ControlKind::TextLabel, "Static", text, WS_GROUP | SS_LEFT, 0, x, y,
                        width, height);
}

bool CreateTextField(ControlId id, int x, int y, int width, int height, TextRef text,
                     std::int32_t flags) {
    DWORD style = WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;
    if (flags & UpperCaseFlag) {
        style |= ES_UPPERCASE;
    }
    return CreateSimple(id, ControlKind::TextField, "Edit", text, style, WS_EX_CLIENTEDGE, x, y,
                        width, height);
}

bool CreateButton(ControlId id, int x, int y, int width, int height, TextRef text) {
    return CreateSimple(id, ControlKind::Button, "Button", text,
                        WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 0, x, y, width, height);
}

bool CreateFrame(ControlId id, int x, int y, int width, int height, TextRef caption) {
    return CreateSimple(id, ControlKind::Frame, "Button", caption, WS_GROUP | BS_GROUPBOX, 0, x, y,
                        width, height);
}

bool CreateSpinField(ControlId id, int x, int y, int width, int height, std::int32_t minimum,
                     std::int32_t maximum, std::int32_t flags) {
    const int half = height / 2;
    BeginOwnChange();
    // ES_AUTOHSCROLL: without it a narrow field silently refuses the digits that do not fit.
    const HWND text = CreateChild(id, "EDIT", nullptr, WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL,
                                  WS_EX_CLIENTEDGE, x, y, width - half, height);
    DWORD arrowStyle = UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (flags & BuddyNumberFlag) {
        arrowStyle |= UDS_SETBUDDYINT;
    }
    const HWND arrows = text ? CreateChild(id, UPDOWN_CLASSA, nullptr, arrowStyle, 0,
                                           x + width - half, y, half, height)
                             : nullptr;
    if (text && !arrows) {
        DestroyWindow(text);
    }
    if (arrows) {
        SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(text), 0);
        SendMessageA(arrows, UDM_SETRANGE32, static_cast<WPARAM>(minimum),
                     static_cast<LPARAM>(maximum));
        // The up-down control picks its own width when created.
        SetWindowPos(arrows, nullptr, x + width - half, y, half, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        Adopt(id, text, ControlKind::SpinField, {x, y, width, height}, arrows);
    }
    EndOwnChange();
    return arrows != nullptr;
}

bool CreateDropDownList(ControlId id, int x, int y, int width, int height) {
    BeginOwnChange();
    const HWND list = CreateChild(id, "ComboBox", nullptr,
                                  WS_BORDER | WS_VSCROLL | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST,
                                  0, x, y, width, OpenedListHeight);
    if (list) {
        Adopt(id, list, ControlKind::DropDownList, {x, y, width, height}, nullptr);
        // The closed control is the selection field plus a border of the platform's choosing:
        // measure the border, then size the field so that the whole is `height` tall.
        SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), MeasuringItemHeight);
        RECT outer;
        GetWindowRect(list, &outer);
        const int border = (outer.bottom - outer.top) - MeasuringItemHeight;
        SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - border);
    }
    EndOwnChange();
    return list != nullptr;
}
