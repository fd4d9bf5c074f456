// What a person does to the window and sees of it, for tests. Each action reaches the layer as
// the platform reports it, so the event it raises comes out of PollEvent like a real one. Each
// layer's person (tests/support/win32, tests/support/qt, tests/support/web) provides these, so one
// behaviour suite runs on every layer.
#pragma once

#include "runtime/controls.h"

#include <cstdint>
#include <vector>

// Picks item `index` of a drop-down list.
void UserPickItem(ControlId id, std::int32_t index);

// Replaces the text of a text field or of a spin field's number part, as if typed.
void UserTypeText(ControlId id, TextRef text);

// Clicks a spin field's up arrow (`up`) or down arrow once.
void UserClickSpinArrow(ControlId id, bool up);

// Clicks a push button.
void UserPressButton(ControlId id);

// Moves the keyboard focus to a control, as a click on it or Tab would.
void UserFocusControl(ControlId id);

// Presses Tab, or Shift+Tab when `backwards`.
void UserPressTab(bool backwards);

// Clicks the window's close box.
void UserCloseWindow();

bool IsControlEnabled(ControlId id);
// The control with the keyboard focus, or -1 for none.
ControlId FocusedControl();
// A drop-down list's items as it shows them; none for any other control.
std::vector<Text> ItemsOf(ControlId id);
