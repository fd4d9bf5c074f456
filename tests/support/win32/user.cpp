// What a person does, done to the real controls: each action is the message the platform itself
// would deliver, so the control and the layer react as they would to the person.
#include "tests/support/user.h"
#include "runtime/win32/layer.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

// The control's window, when the control is of that kind.
HWND WindowOfKind(ControlId id, ControlKind kind) {
    const ControlEntry* entry = FindControl(id);
    return entry && entry->kind == kind ? WindowOf(*entry) : nullptr;
}

} // namespace

void UserPickItem(ControlId id, std::int32_t index) {
    const HWND list = WindowOfKind(id, ControlKind::DropDownList);
    if (!list || index < 0 || index >= SendMessageA(list, CB_GETCOUNT, 0, 0)) {
        return;
    }
    // CB_SETCURSEL itself is silent; a person's pick also tells the parent.
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void UserTypeText(ControlId id, TextRef text) {
    if (const HWND handle = ControlWindow(id)) {
        SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text(text.chars).c_str()));
    }
}

void UserClickSpinArrow(ControlId id, bool up) {
    const ControlEntry* entry = FindControl(id);
    if (!entry || entry->kind != ControlKind::SpinField) {
        return;
    }
    RECT area;
    GetClientRect(ArrowsOf(*entry), &area);
    const int x = area.right / 2;
    const int y = up ? area.bottom / 4 : area.bottom * 3 / 4;
    SendMessageA(ArrowsOf(*entry), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(ArrowsOf(*entry), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void UserPressButton(ControlId id) {
    if (const HWND button = WindowOfKind(id, ControlKind::Button)) {
        SendMessageA(button, BM_CLICK, 0, 0);
    }
}

void UserFocusControl(ControlId id) {
    if (const HWND handle = ControlWindow(id)) {
        SetFocus(handle);
    }
}

// Real key strokes, so that the window's accelerators see the Shift key as it is.
void UserPressTab(bool backwards) {
    if (const HWND window = ParentForNewControls()) {
        SetForegroundWindow(GetAncestor(window, GA_ROOT));
    }
    std::vector<INPUT> keys;
    auto key = [&keys](WORD virtualKey, bool release) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
        keys.push_back(input);
    };
    if (backwards) {
        key(VK_SHIFT, false);
    }
    key(VK_TAB, false);
    key(VK_TAB, true);
    if (backwards) {
        key(VK_SHIFT, true);
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

void UserCloseWindow() {
    if (const HWND window = ParentForNewControls()) {
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
}

ControlId FocusedControl() {
    const HWND focus = GetFocus();
    return focus && focus != GetAncestor(focus, GA_ROOT) ? GetDlgCtrlID(focus) : -1;
}

bool IsControlEnabled(ControlId id) {
    const HWND handle = ControlWindow(id);
    return handle && IsWindowEnabled(handle);
}

std::vector<Text> ItemsOf(ControlId id) {
    std::vector<Text> items;
    const HWND list = WindowOfKind(id, ControlKind::DropDownList);
    const LRESULT count = list ? SendMessageA(list, CB_GETCOUNT, 0, 0) : 0;
    for (WPARAM item = 0; static_cast<LRESULT>(item) < count; ++item) {
        const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, item, 0);
        Text text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
        const LRESULT copied =
            SendMessageA(list, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
        items.push_back(text);
    }
    return items;
}
