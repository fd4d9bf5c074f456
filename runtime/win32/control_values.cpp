// States, texts, enabling, items and ranges of the controls.
#include "runtime/win32/layer.h"

#include <commctrl.h>

#include <string>

namespace {

bool IsNumberSpin(const ControlEntry& entry) {
    return entry.kind == ControlKind::SpinField &&
           (GetWindowLongA(ArrowsOf(entry), GWL_STYLE) & UDS_SETBUDDYINT);
}

Text WindowText(HWND handle) {
    const int length = GetWindowTextLengthA(handle);
    if (length <= 0) {
        return {};
    }
    Text text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(handle, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

} // namespace

std::int32_t GetControlState(ControlId id) {
    const ControlEntry* entry = FindControl(id);
    if (!entry) {
        return 0;
    }
    switch (entry->kind) {
    case ControlKind::SpinField:
        return static_cast<std::int32_t>(SendMessageA(ArrowsOf(*entry), UDM_GETPOS32, 0, 0));
    case ControlKind::DropDownList:
        return static_cast<std::int32_t>(SendMessageA(WindowOf(*entry), CB_GETCURSEL, 0, 0));
    default:
        return 0;
    }
}

void SetControlState(ControlId id, std::int32_t value) {
    const ControlEntry* entry = FindControl(id);
    if (!entry) {
        return;
    }
    BeginOwnChange();
    switch (entry->kind) {
    case ControlKind::SpinField:
        SendMessageA(ArrowsOf(*entry), UDM_SETPOS32, 0, static_cast<LPARAM>(value));
        break;
    case ControlKind::DropDownList: {
        // Wine keeps the old selection for an index past the end; -1 clears it everywhere.
        const auto count =
            static_cast<std::int32_t>(SendMessageA(WindowOf(*entry), CB_GETCOUNT, 0, 0));
        const std::int32_t index = value >= 0 && value < count ? value : -1;
        SendMessageA(WindowOf(*entry), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        break;
    }
    default:
        break;
    }
    EndOwnChange();
}

Text GetControlText(ControlId id) {
    const HWND handle = ControlWindow(id);
    return handle ? WindowText(handle) : Text{};
}

void SetControlText(ControlId id, TextRef text) {
    const HWND handle = ControlWindow(id);
    if (!handle) {
        return;
    }
    const Text copy(text.chars);
    BeginOwnChange();
    SetWindowTextA(handle, copy.c_str());
    EndOwnChange();
}

void DisableControl(ControlId id, std::int32_t flag) {
    const HWND handle = ControlWindow(id);
    if (!handle) {
        return;
    }
    BeginOwnChange();
    EnableWindow(handle, flag == 0);
    EndOwnChange();
}

void AddControlItem(ControlId id, std::int32_t position, TextRef text) {
    const ControlEntry* entry = FindControl(id);
    if (!entry || entry->kind != ControlKind::DropDownList) {
        return;
    }
    const auto count = static_cast<std::int32_t>(SendMessageA(WindowOf(*entry), CB_GETCOUNT, 0, 0));
    if (position < -1 || position > count) {
        return;
    }
    const Text item(text.chars);
    BeginOwnChange();
    SendMessageA(WindowOf(*entry), CB_INSERTSTRING, static_cast<WPARAM>(position),
                 reinterpret_cast<LPARAM>(item.c_str()));
    EndOwnChange();
}

void SetControlAttribute(ControlId id, std::int32_t attribute, std::int32_t value) {
    const ControlEntry* entry = FindControl(id);
    if (!entry || entry->kind != ControlKind::SpinField ||
        (attribute != MinimumAttribute && attribute != MaximumAttribute)) {
        return;
    }
    INT minimum = 0;
    INT maximum = 0;
    SendMessageA(ArrowsOf(*entry), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum),
                 reinterpret_cast<LPARAM>(&maximum));
    if (attribute == MinimumAttribute) {
        minimum = value;
    } else {
        maximum = value;
    }
    BeginOwnChange();
    SendMessageA(ArrowsOf(*entry), UDM_SETRANGE32, static_cast<WPARAM>(minimum),
                 static_cast<LPARAM>(maximum));
    EndOwnChange();
}

void RewriteSpinTextWithState(ControlId id) {
    const ControlEntry* entry = FindControl(id);
    if (!entry || !IsNumberSpin(*entry)) {
        return;
    }
    const Text number = std::to_string(GetControlState(id));
    if (WindowText(WindowOf(*entry)) != number) {
        BeginOwnChange();
        SetWindowTextA(WindowOf(*entry), number.c_str());
        EndOwnChange();
    }
}
