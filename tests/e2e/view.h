// What a person sees of the program, read from outside its process with the messages a screen
// reader would send. Under Wine GetWindowText of another process's edit gives "" and the ANSI
// forms of the list messages hand back UTF-16, so texts are fetched as UTF-16 and narrowed (every
// text of the program is ASCII).
#pragma once

#include "runtime/controls.h"
#include "tests/e2e/program.h"

#include <windows.h>

#include <string>
#include <vector>

constexpr ControlId NoControl = -1;

// A control's window by its number (a spin field's number part), or nullptr.
HWND ControlWindow(const Program& program, ControlId id);

// A spin field's arrows, which carry the same number as its number part.
HWND SpinArrows(const Program& program, ControlId id);

std::string ClassOf(HWND window);
std::string TextOf(HWND window);
std::string ControlText(const Program& program, ControlId id);

// A rectangle in the main window's inner area, where the program places its controls.
RECT InnerRectOf(const Program& program, HWND window);

// A list's selected item from 0 (-1 for none), and whether its list is open.
int ListSelection(const Program& program, ControlId list);
bool ListIsOpen(const Program& program, ControlId list);
std::vector<std::string> ListItems(const Program& program, ControlId list);

// A spin field's number as its arrows hold it.
int SpinNumber(const Program& program, ControlId spin);

struct SpinBounds {
    int minimum = 0;
    int maximum = 0;
};
SpinBounds SpinRange(const Program& program, ControlId spin);

// For a spin field both parts must be enabled.
bool ControlEnabled(const Program& program, ControlId id);

// The control with the keyboard focus, NoControl when none of the window's controls has it.
ControlId FocusedControl(const Program& program);

// The program's message boxes on the screen, and the first of them (nullptr when none is up).
std::vector<HWND> MessageBoxesOf(const Program& program);
HWND MessageBoxOf(const Program& program);

struct MessageBoxView {
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
};
MessageBoxView ReadMessageBox(HWND box);

// The message box's button with this text, or nullptr.
HWND MessageBoxButton(HWND box, const std::string& text);
