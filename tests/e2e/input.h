// Real input, made the way the platform makes a person's (SendInput): it reaches whichever window
// is in front and whichever control has the keyboard focus, and the program takes it from its
// queue in its own time. Nothing here waits for the effect on the program; callers poll for it.
#pragma once

#include <windows.h>

#include <string_view>

// Puts `window` in front and waits until the platform says it is.
bool BringToFront(HWND window);

// The centre of a window on the screen.
POINT CentreOf(HWND window);

// Moves the mouse to a point of the screen and clicks the left button there, then keeps the mouse
// at that point until it holds still.
void ClickAt(POINT point);

void PressKey(WORD virtualKey);

// Presses `virtualKey` while holding `modifier` (VK_SHIFT, VK_MENU for Alt, VK_CONTROL).
void PressKeyHolding(WORD modifier, WORD virtualKey);

// Types characters as key strokes of the current keyboard layout, with Shift where a character
// needs it.
void TypeCharacters(std::string_view characters);
