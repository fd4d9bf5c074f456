// What a person does, done to the real controls: each action is the message the platform itself
// would deliver, so the control and the layer react as they would to the person.
#include "tests/support/user.h"
#include "runtime/win32/layer.h"

#include <commctrl.h>

#include <vector>

namespace {

// The notification a control sends its parent about itself.
void Notify(HWND control, WORD code) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

} // namespace

void UserPickItem(ControlId id, std::int32_t index) {
    const ControlEntry* entry = FindControl(id);
    if (!entry || entry->kind != ControlKind::DropDownList) {
        return;
    }
    const auto count = static_cast<std::int32_t>(SendMessageA(WindowOf(*entry), CB_GETCOUNT, 0, 0));
    if (index < 0 || index >= count) {
        return;
    }
    // CB_SETCURSEL itself is silent; a person's pick also tells the parent.
    SendMessageA(WindowOf(*entry), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Notify(WindowOf(*entry), CBN_SELCHANGE);
}

void UserTypeText(ControlId id, TextRef text) {
    const HWND handle = ControlWindow(id);
    if (!handle) {
        return;
    }
    const Text typed(text.chars);
    SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
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
    const ControlEntry* entry = FindControl(id);
    if (entry && entry->kind == ControlKind::Button) {
        SendMessageA(WindowOf(*entry), BM_CLICK, 0, 0);
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

std::int32_t ControlItemCount(ControlId id) {
    const ControlEntry* entry = FindControl(id);
    if (!entry || entry->kind != ControlKind::DropDownList) {
        return 0;
    }
    return static_cast<std::int32_t>(SendMessageA(WindowOf(*entry), CB_GETCOUNT, 0, 0));
}

Text ControlItemText(ControlId id, std::int32_t index) {
    const ControlEntry* entry = FindControl(id);
    if (!entry || entry->kind != ControlKind::DropDownList || index < 0 ||
        index >= ControlItemCount(id)) {
        return {};
    }
    const auto length =
        SendMessageA(WindowOf(*entry), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) {
        return {};
    }
    Text text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = SendMessageA(WindowOf(*entry), CB_GETLBTEXT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}
