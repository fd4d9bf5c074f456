// What the layer sees of each control's own messages: the text field's focus events, the spin
// field's arrows following its text part, and the control's end.
#include "runtime/win32/layer.h"

#include <commctrl.h>

namespace {

LRESULT CALLBACK WatchProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR reference) {
    const auto id = static_cast<ControlId>(reference);
    const ControlEntry* entry = FindControl(id);
    const bool current = entry && WindowOf(*entry) == handle;
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (current && entry->kind == ControlKind::TextField) {
            QueueEvent(ControlEvent, id, WindowNumberOf(handle),
                       message == WM_SETFOCUS ? FocusGainedType : FocusLostType);
        }
        break;
    case WM_ENABLE:
        if (current && ArrowsOf(*entry)) {
            EnableWindow(ArrowsOf(*entry), static_cast<BOOL>(wParam));
        }
        break;
    case WM_DESTROY:
        if (current && ArrowsOf(*entry) && IsWindow(ArrowsOf(*entry))) {
            DestroyWindow(ArrowsOf(*entry));
        }
        break;
    case WM_NCDESTROY:
        ForgetControl(id, handle);
        RemoveWindowSubclass(handle, WatchProcedure, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(handle, message, wParam, lParam);
}

} // namespace

void WatchControl(ControlId id, HWND handle) {
    SetWindowSubclass(handle, WatchProcedure, 0, static_cast<DWORD_PTR>(id));
}
