// What the parts of the Win32 control layer share with each other: the window table, the platform
// windows behind the shared control table, and the event being built during a dispatch. Nothing
// outside runtime/win32 and its tests includes this.
#pragma once

#include "runtime/control_table.h"
#include "runtime/controls.h"
#include "runtime/event_queue.h"

#include <windows.h>

#include <cstdint>
#include <vector>

// The platform windows of a control: its main window (a spin field's number part) and a spin
// field's arrows; nullptr when the number names no control.
inline HWND ControlWindow(ControlId id) {
    return static_cast<HWND>(ControlHandle(id));
}
inline HWND WindowOf(const ControlEntry& entry) {
    return static_cast<HWND>(entry.handle);
}
inline HWND ArrowsOf(const ControlEntry& entry) {
    return static_cast<HWND>(entry.part);
}

// Window table (window.cpp).
HWND ParentForNewControls();
int WindowNumberOf(HWND handle); // walks up the parents; -1 when no window of ours holds it
HACCEL AcceleratorOf(HWND window);
void MarkWindowNumber(HWND window, LPARAM numberPlusOne);
void UnmarkWindowNumber(HWND window);
bool IsNextControlCommand(WORD command);     // Tab, from the accelerator table
bool IsPreviousControlCommand(WORD command); // Shift+Tab
UINT LayoutDpi(HWND window);                 // the DPI the window's controls are laid out at
bool WasMinimisedOrMaximised(HWND window);
void SetMinimisedOrMaximised(HWND window, bool special);
void CloseAllWindows();

// The window procedure (window_procedure.cpp) and Tab (focus.cpp).
LRESULT CALLBACK LayerWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void MoveFocusAmongControls(HWND window, bool forward);
void RememberFocus(HWND window);
void RestoreFocus(HWND window);

// Control creation and the per-control watch (controls.cpp, control_watch.cpp).
void WatchControl(ControlId id, HWND handle);
// Puts the control's windows at its box scaled to `dpi`, in the font of that DPI.
void PlaceControl(const ControlEntry& entry, UINT dpi);

// The DPI (scale.cpp). The window table is written at TableDpi; everything a window shows is
// scaled from it to the window's own DPI.
constexpr UINT TableDpi = USER_DEFAULT_SCREEN_DPI;
// The system's DPI for nullptr, and where windows have no DPI of their own.
UINT DpiOfWindow(HWND window);
int ScaledToDpi(int units, UINT dpi);
// The outer rectangle around a client area of that size, its frame drawn at `dpi`.
RECT FrameForDpi(int clientWidth, int clientHeight, DWORD style, UINT dpi);
HFONT FontForDpi(UINT dpi);
void FreeScaledFonts();
// WM_DPICHANGED: the window takes the rectangle the system suggests, and its controls the new
// scale (window.cpp).
void ChangeWindowDpi(HWND window, UINT dpi, const RECT& suggested);

// Spin fields (control_values.cpp): a text part showing something other than the number is put
// back to the number, so what the field shows is what gets encoded.
void RewriteSpinTextWithState(ControlId id);

// Start-up resources (startup.cpp).
HFONT DefaultGuiFont();
HICON ProgramIcon();
HCURSOR ArrowCursor();
HINSTANCE ModuleInstance();

// Events (events.cpp). BuildEvent is for notifications: inside PollEvent's dispatch the last one
// wins, anywhere else it is queued so that it is not lost. QueueEvent (runtime/event_queue.h)
// queues, but never during the program's own change nor twice the same event in a row.
void BuildEvent(EventKind kind, ControlId control, int window, std::int32_t type);
