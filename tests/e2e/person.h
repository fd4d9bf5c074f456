// What a person does to the window, made of real clicks and key strokes. Each action waits until
// the window shows that the program has taken it, and says whether it did (and, when it did not,
// what the window showed, on the error stream); the rules and conversions that the program runs
// in answer are for the tests to check.
#pragma once

#include "runtime/controls.h"
#include "tests/e2e/program.h"

#include <string_view>

// Clicks the centre of a control (a spin field's number part) once it is enabled. Does not wait
// for what the click does.
bool ClickControl(const Program& program, ControlId id);

// Clicks into a text field or a spin field's number part, selects what it holds and types
// `text` over it; waits until the field shows it (letters in either case).
bool TypeInto(const Program& program, ControlId field, std::string_view text);

// Clicks a spin field's up or down arrow once. Does not wait.
bool ClickSpinArrow(const Program& program, ControlId spin, bool up);

// Opens a list by clicking it and clicks its item `index`; waits until the list is closed and
// shows that item.
bool PickWithMouse(const Program& program, ControlId list, int index);

// Clicks a closed list so that it opens, or an open one so that it closes; waits for it.
bool OpenListWithMouse(const Program& program, ControlId list);
bool CloseListWithMouse(const Program& program, ControlId list);

// Presses Down (or Up) once in the list that has the focus, open or closed; waits until its
// selection has moved by one item.
bool StepListWithArrowKey(const Program& program, ControlId list, bool down);

// Presses Tab until `id` has the keyboard focus, at most once around the window.
bool TabTo(const Program& program, ControlId id);
