// The program's one window and its 39 controls.
#pragma once

// Opens the window and creates every control with its text or items, range and first state.
// False when the platform would not open the window; no control exists then.
bool BuildMainWindow();
