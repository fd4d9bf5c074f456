// The window procedure: which platform messages become events, and Tab.
#include "runtime/win32/layer.h"

#include <commctrl.h>

namespace {

// Kinds that accompany WindowSizedEvent; the window's frame offers neither, but the platform
// can still minimise or maximise it on request.
constexpr EventKind WindowMinimisedEvent = 13107;
constexpr EventKind WindowMaximisedEvent = 13108;
constexpr EventKind WindowRestoredEvent = 13109;

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (lParam != 0) {
        const auto sender = reinterpret_cast<HWND>(lParam);
        const ControlId id = GetDlgCtrlID(sender);
        const WORD code = HIWORD(wParam);
        if (code == EN_KILLFOCUS) {
            RewriteSpinTextWithState(id);
        }
        // Notification codes are signed (CBN_ERRSPACE is -1).
        BuildEvent(ControlEvent, id, WindowNumberOf(window), static_cast<std::int16_t>(code));
        return 0;
    }
    const WORD command = LOWORD(wParam);
    if (IsNextControlCommand(command) || IsPreviousControlCommand(command)) {
        MoveFocusAmongControls(window, IsNextControlCommand(command));
    }
    return 0;
}

bool OnNotify(HWND window, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    // comctl32 v6 buttons also notify on every repaint (NM_CUSTOMDRAW); only an arrow step is an
    // event.
    if (header->code != static_cast<UINT>(UDN_DELTAPOS)) {
        return false;
    }
    const auto* step = reinterpret_cast<const NMUPDOWN*>(lParam);
    QueueEvent(ControlEvent, static_cast<ControlId>(header->idFrom), WindowNumberOf(window),
               step->iDelta > 0 ? SpinUpType : SpinDownType);
    return true;
}

void OnSize(HWND window, WPARAM how) {
    const int number = WindowNumberOf(window);
    if (how == SIZE_MINIMIZED) {
        QueueEvent(WindowMinimisedEvent, 0, number, 0);
        SetMinimisedOrMaximised(window, true);
        return;
    }
    if (how == SIZE_MAXIMIZED) {
        QueueEvent(WindowMaximisedEvent, 0, number, 0);
    } else if (WasMinimisedOrMaximised(window)) {
        QueueEvent(WindowRestoredEvent, 0, number, 0);
    }
    SetMinimisedOrMaximised(window, how == SIZE_MAXIMIZED);
    QueueEvent(WindowSizedEvent, 0, number, 0);
}

} // namespace

LRESULT CALLBACK LayerWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        MarkWindowNumber(window,
                         reinterpret_cast<LPARAM>(
                             reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams));
        break;
    case WM_NCDESTROY:
        UnmarkWindowNumber(window);
        break;
    case WM_COMMAND:
        return OnCommand(window, wParam, lParam);
    case WM_NOTIFY:
        if (OnNotify(window, lParam)) {
            return 0;
        }
        break;
    case WM_CLOSE: {
        // The window stays; closing it is the program's decision.
        const int number = WindowNumberOf(window);
        QueueEvent(CloseEvent, number, number, 0);
        return 0;
    }
    case WM_MOVE: {
        const int number = WindowNumberOf(window);
        QueueEvent(WindowMovedEvent, number, number, 0);
        return 0;
    }
    case WM_SIZE:
        OnSize(window, wParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus(window);
        } else {
            RestoreFocus(window);
            QueueEvent(WindowActivatedEvent, 0, WindowNumberOf(window), 0);
        }
        return 0;
    case WM_DPICHANGED:
        // Both words carry the new DPI; Windows keeps them equal.
        ChangeWindowDpi(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ERASEBKGND:
        QueueEvent(RepaintEvent, 0, WindowNumberOf(window), 0);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
