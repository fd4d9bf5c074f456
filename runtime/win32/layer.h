// What the parts of the Win32 control layer share with each other: the control and window tables,
// the event records, and the layer's own notion of "this change is ours". Nothing outside
// runtime/win32 and its tests includes this.
#pragma once

#include "runtime/controls.h"

#include <windows.h>

#include <cstdint>
#include <vector>

enum class ControlKind { TextLabel, TextField, Button, Frame, SpinField, DropDownList };

struct ControlEntry {
    HWND handle = nullptr; // the control's main window; for a spin field its text part
    ControlKind kind = ControlKind::TextLabel;
    HWND arrows = nullptr;   // a spin field's up-down part
    std::uint32_t order = 0; // creation sequence, for Tab
};

// Control table (control_table.cpp).
const ControlEntry* FindControl(ControlId id); // nullptr when the number names no control
HWND ControlHandle(ControlId id);
void RecordControl(ControlId id, HWND handle, ControlKind kind, HWND arrows);
void ForgetControl(ControlId id, HWND handle); // only when the entry still holds that handle
std::vector<ControlEntry> ControlsInCreationOrder();
void ClearControlTable();

// Window table (window.cpp).
HWND ParentForNewControls();
int WindowNumberOf(HWND handle); // walks up the parents; -1 when no window of ours holds it
HACCEL AcceleratorOf(HWND window);
void MarkWindowNumber(HWND window, LPARAM numberPlusOne);
void UnmarkWindowNumber(HWND window);
bool IsNextControlCommand(WORD command);     // Tab, from the accelerator table
bool IsPreviousControlCommand(WORD command); // Shift+Tab
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

// Spin fields (control_values.cpp): a text part showing something other than the number is put
// back to the number, so what the field shows is what gets encoded.
void RewriteSpinTextWithState(ControlId id);

// Start-up resources (startup.cpp).
HFONT DefaultGuiFont();
HICON ProgramIcon();
HCURSOR ArrowCursor();
HINSTANCE ModuleInstance();

// Events (events.cpp). BuildEvent is for notifications: inside PollEvent's dispatch the last one
// wins, anywhere else it is queued so that it is not lost. QueueEvent always queues.
void BuildEvent(EventKind kind, ControlId control, int window, std::int32_t type);
void QueueEvent(EventKind kind, ControlId control, int window, std::int32_t type);
void ResetEvents();

// While the layer carries out a change the program asked for, whatever the platform reports about
// it is dropped: the program's own changes never come back as events. Calls nest.
void BeginOwnChange();
void EndOwnChange();
