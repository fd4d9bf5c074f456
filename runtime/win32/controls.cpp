// Creating the six kinds of control.
#include "runtime/win32/layer.h"

#include <commctrl.h>

namespace {

// The height of a drop-down list's opened list; the closed control is sized separately.
constexpr int OpenedListHeight = 350;
// Any selection-field height will do for measuring how much the control adds around it.
constexpr int MeasuringItemHeight = 15;

ControlBox ScaledBox(ControlBox box, UINT dpi) {
    return {ScaledToDpi(box.x, dpi), ScaledToDpi(box.y, dpi), ScaledToDpi(box.width, dpi),
            ScaledToDpi(box.height, dpi)};
}

// A spin field's number part on the left, and its arrows on the right, half its height wide.
ControlBox NumberPart(ControlBox box) {
    return {box.x, box.y, box.width - box.height / 2, box.height};
}
ControlBox ArrowsPart(ControlBox box) {
    const int half = box.height / 2;
    return {box.x + box.width - half, box.y, half, box.height};
}

void Move(HWND handle, ControlBox box) {
    SetWindowPos(handle, nullptr, box.x, box.y, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The closed control is the selection field plus a border of the platform's choosing: measure
// the border, then size the field so that the whole is `height` tall.
void SetClosedListHeight(HWND list, int height) {
    SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), MeasuringItemHeight);
    RECT outer;
    GetWindowRect(list, &outer);
    const int border = (outer.bottom - outer.top) - MeasuringItemHeight;
    SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - border);
}

// A label whose box holds one line of its font is drawn on one line: wrapped, a line that runs
// over by as little as its trailing blank would drop its last word out of sight below. Chosen when
// the label is made, as the platform's label keeps the kind it was made as; box and font scale
// together, so the choice holds at every DPI.
DWORD LabelWrapping(int height) {
    const UINT dpi = LayoutDpi(ParentForNewControls());
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(screen, FontForDpi(dpi));
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, oldFont);
    ReleaseDC(nullptr, screen);
    return ScaledToDpi(height, dpi) < 2 * metrics.tmHeight ? SS_LEFTNOWORDWRAP : SS_LEFT;
}

// Made in the window opened last at its box there; PlaceControl puts it right.
HWND CreateChild(ControlId id, const char* platformClass, TextRef text, DWORD style,
                 DWORD extendedStyle, ControlBox box) {
    const HWND parent = ParentForNewControls();
    if (!parent || id < 0) {
        return nullptr;
    }
    const ControlBox placed = ScaledBox(box, LayoutDpi(parent));
    const Text caption(text.chars);
    return CreateWindowExA(extendedStyle, platformClass, caption.c_str(),
                           WS_CHILD | WS_VISIBLE | style, placed.x, placed.y, placed.width,
                           placed.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ModuleInstance(), nullptr);
}

// Takes over the number from any control that held it and makes the new one look like the rest.
void Adopt(ControlId id, HWND handle, ControlKind kind, ControlBox box, HWND arrows) {
    if (const HWND previous = ControlWindow(id)) {
        DestroyWindow(previous);
    }
    RecordControl(id, handle, kind, box, arrows);
    SetWindowLongPtrA(handle, GWLP_ID, id);
    PlaceControl(*FindControl(id), LayoutDpi(GetParent(handle)));
    WatchControl(id, handle);
}

bool CreateSimple(ControlId id, ControlKind kind, const char* platformClass, TextRef text,
                  DWORD style, DWORD extendedStyle, ControlBox box) {
    BeginOwnChange();
    const HWND handle = CreateChild(id, platformClass, text, style, extendedStyle, box);
    if (handle) {
        Adopt(id, handle, kind, box, nullptr);
    }
    EndOwnChange();
    return handle != nullptr;
}

} // namespace

bool CreateTextLabel(ControlId id, int x, int y, int width, int height, TextRef text) {
    return CreateSimple(id, ControlKind::TextLabel, "Static", text,
                        WS_GROUP | LabelWrapping(height), 0, {x, y, width, height});
}

bool CreateTextField(ControlId id, int x, int y, int width, int height, TextRef text,
                     std::int32_t flags) {
    DWORD style = WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;
    if (flags & UpperCaseFlag) {
        style |= ES_UPPERCASE;
    }
    return CreateSimple(id, ControlKind::TextField, "Edit", text, style, WS_EX_CLIENTEDGE,
                        {x, y, width, height});
}

bool CreateButton(ControlId id, int x, int y, int width, int height, TextRef text) {
    return CreateSimple(id, ControlKind::Button, "Button", text,
                        WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 0, {x, y, width, height});
}

bool CreateFrame(ControlId id, int x, int y, int width, int height, TextRef caption) {
    return CreateSimple(id, ControlKind::Frame, "Button", caption, WS_GROUP | BS_GROUPBOX, 0,
                        {x, y, width, height});
}

bool CreateSpinField(ControlId id, int x, int y, int width, int height, std::int32_t minimum,
                     std::int32_t maximum, std::int32_t flags) {
    const ControlBox box{x, y, width, height};
    BeginOwnChange();
    // ES_AUTOHSCROLL: without it a narrow field silently refuses the digits that do not fit.
    const HWND text = CreateChild(id, "EDIT", nullptr, WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL,
                                  WS_EX_CLIENTEDGE, NumberPart(box));
    DWORD arrowStyle = UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (flags & BuddyNumberFlag) {
        arrowStyle |= UDS_SETBUDDYINT;
    }
    const HWND arrows =
        text ? CreateChild(id, UPDOWN_CLASSA, nullptr, arrowStyle, 0, ArrowsPart(box)) : nullptr;
    if (text && !arrows) {
        DestroyWindow(text);
    }
    if (arrows) {
        SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(text), 0);
        SendMessageA(arrows, UDM_SETRANGE32, static_cast<WPARAM>(minimum),
                     static_cast<LPARAM>(maximum));
        // The up-down control picks its own width when created; Adopt puts it back in its place.
        Adopt(id, text, ControlKind::SpinField, box, arrows);
    }
    EndOwnChange();
    return arrows != nullptr;
}

bool CreateDropDownList(ControlId id, int x, int y, int width, int height) {
    BeginOwnChange();
    // The window's height is that of the opened list; Adopt sizes the closed control.
    const HWND list = CreateChild(id, "ComboBox", nullptr,
                                  WS_BORDER | WS_VSCROLL | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST,
                                  0, {x, y, width, OpenedListHeight});
    if (list) {
        Adopt(id, list, ControlKind::DropDownList, {x, y, width, height}, nullptr);
    }
    EndOwnChange();
    return list != nullptr;
}

void PlaceControl(const ControlEntry& entry, UINT dpi) {
    const ControlBox box = ScaledBox(entry.box, dpi);
    // The font first: a list measures its selection field in it.
    SendMessageA(WindowOf(entry), WM_SETFONT, reinterpret_cast<WPARAM>(FontForDpi(dpi)), TRUE);
    switch (entry.kind) {
    case ControlKind::SpinField:
        Move(WindowOf(entry), NumberPart(box));
        Move(ArrowsOf(entry), ArrowsPart(box));
        break;
    case ControlKind::DropDownList:
        Move(WindowOf(entry), {box.x, box.y, box.width, ScaledToDpi(OpenedListHeight, dpi)});
        SetClosedListHeight(WindowOf(entry), box.height);
        break;
    default:
        Move(WindowOf(entry), box);
        break;
    }
}
