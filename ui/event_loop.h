// The main routine: start-up, the event loop with its follow rules and interlock, and shutdown.
#pragma once

#include "runtime/controls.h"

// A pick in the size list selects the shape it belongs to; the size stays as picked.
void ShapeFollowsSize();

// A new shape brings the size list to that shape's first size, but only when the selected size
// belongs to another shape: opening, closing or tabbing onto the shape list keeps a chosen size.
void SizeFollowsShape();

// Enables exactly the controls that the rotation/scaling setting makes part of the entry.
void RotScaleInterlock();

// One pass of the loop: fetches at most one event, hands it on, runs the interlock, and gives the
// kind fetched.
EventKind RunPass();

// The whole program; gives the process's exit code. Whenever a pass finds nothing pending, it
// sleeps until the platform has something.
int RunProgram();
