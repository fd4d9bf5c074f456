// Keyboard focus: Tab and Shift+Tab over the controls, and the focus kept across deactivation.
#include "runtime/win32/layer.h"

#include <algorithm>

namespace {

struct RememberedFocus {
    HWND window;
    HWND focus;
};

std::vector<RememberedFocus> remembered;

bool TakesTabFocus(HWND control) {
    return IsWindowEnabled(control) && IsWindowVisible(control) &&
           (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP);
}

bool HoldsFocus(HWND control, HWND focus) {
    return focus && (control == focus || IsChild(control, focus));
}

} // namespace

void MoveFocusAmongControls(HWND window, bool forward) {
    std::vector<HWND> order;
    for (const ControlId id : ControlsInCreationOrder()) {
        if (GetParent(ControlWindow(id)) == window) {
            order.push_back(ControlWindow(id));
        }
    }
    const auto count = static_cast<int>(order.size());
    if (count == 0) {
        return;
    }
    // Start from the focused control even when it no longer takes the focus (disabled since), so
    // Tab still moves on from where the user was; with none, Tab starts before the first control
    // and Shift+Tab after the last.
    const HWND focus = GetFocus();
    const auto focused = std::find_if(order.begin(), order.end(),
                                      [focus](HWND control) { return HoldsFocus(control, focus); });
    int at =
        focused != order.end() ? static_cast<int>(focused - order.begin()) : (forward ? -1 : count);
    const int step = forward ? 1 : -1;
    for (int tried = 0; tried < count; ++tried) {
        at = ((at + step) % count + count) % count;
        if (TakesTabFocus(order[static_cast<std::size_t>(at)])) {
            SetFocus(order[static_cast<std::size_t>(at)]);
            return;
        }
    }
}

void RememberFocus(HWND window) {
    std::erase_if(remembered, [window](const RememberedFocus& r) { return r.window == window; });
    const HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) {
        remembered.push_back({window, focus});
    }
}

void RestoreFocus(HWND window) {
    for (const RememberedFocus& r : remembered) {
        if (r.window == window && IsWindow(r.focus) && IsChild(window, r.focus)) {
            SetFocus(r.focus);
            return;
        }
    }
}
