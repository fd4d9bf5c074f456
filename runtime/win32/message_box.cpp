// ShowMessage: a modal box during which none of the thread's windows takes input.
#include "runtime/win32/layer.h"

#include <algorithm>

namespace {

struct DisabledWindow {
    HWND window;
    DWORD thread;
};

std::vector<DisabledWindow> disabledForBox;

BOOL CALLBACK DisableIfOurs(HWND window, LPARAM) {
    const DWORD thread = GetCurrentThreadId();
    // The box's owner, the foreground window, is disabled by the platform itself.
    if (GetWindowThreadProcessId(window, nullptr) == thread && IsWindowVisible(window) &&
        IsWindowEnabled(window) && window != GetForegroundWindow()) {
        EnableWindow(window, FALSE);
        disabledForBox.push_back({window, thread});
    }
    return TRUE;
}

HWND OwnerForBox() {
    const HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground) {
        GetWindowThreadProcessId(foreground, &process);
    }
    return process == GetCurrentProcessId() ? foreground : nullptr;
}

} // namespace

std::int32_t ShowMessage(TextRef title, TextRef text, std::int32_t flags) {
    EnumWindows(DisableIfOurs, 0);
    const Text caption(title.chars);
    const Text message(text.chars);
    const int answer =
        MessageBoxA(OwnerForBox(), message.c_str(), caption.c_str(), static_cast<UINT>(flags));
    const DWORD thread = GetCurrentThreadId();
    std::erase_if(disabledForBox, [thread](const DisabledWindow& d) {
        if (d.thread != thread) {
            return false;
        }
        EnableWindow(d.window, TRUE);
        return true;
    });
    return answer;
}
