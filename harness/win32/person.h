// What a person does to the program's window and sees of it, from outside its process.
//
// The input is real (SendInput): it reaches whichever window is in front and whichever control
// has the keyboard focus, and the program takes it in its own time, so each action waits until
// the window shows that it took and says whether it did.
//
// What the window shows is read with the messages a screen reader sends. Under Wine GetWindowText
// of another process's edit gives "" and the ANSI list messages hand back UTF-16, so texts are
// fetched as UTF-16 and narrowed (every text of the program is ASCII).
#pragma once

#include "harness/win32/program.h"
#include "runtime/controls.h"

#include <initializer_list>
#include <string>

// A message to a window of the program, answered in time; -1 when the program does not answer.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::string TextOf(HWND window);
HWND Control(const Program& program, ControlId id); // a spin field's number part
HWND Arrows(const Program& program, ControlId spin);
std::string Shown(const Program& program, ControlId id);
ControlId Focused(const Program& program); // -1 for none of the window's controls

// Clicks there and keeps the hand on the mouse until it holds still.
void ClickAt(POINT point);

// Presses the keys in order and lets them go in reverse: {VK_MENU, VK_F4} is Alt+F4.
void Press(std::initializer_list<WORD> keys);

// Clicks the centre of a control once the program has enabled it; does not wait for the effect.
bool Click(const Program& program, ControlId id);

// Clicks into a field, selects what it holds and types `text` (digits and letters) over it, until
// the field shows it, letters in either case.
bool Type(const Program& program, ControlId field, const std::string& text);
