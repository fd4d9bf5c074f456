// The sixteen controls that hold an entry's fields, as a person reads and sets them: the item a
// list shows (from 0) and the number a spin field shows.
#pragma once

#include "tests/e2e/program.h"

#include <ostream>

struct FieldStates {
    int yCoordinate = 0;
    int rotScale = 0;
    int doubleSize = 0;
    int objDisable = 0;
    int mode = 0;
    int mosaic = 0;
    int colorsPalettes = 0;
    int shape = 0;
    int xCoordinate = 0;
    int rotScaleParam = 0;
    int hFlip = 0;
    int vFlip = 0;
    int size = 0;
    int tileNumber = 0;
    int priority = 0;
    int paletteNumber = 0;

    bool operator==(const FieldStates&) const = default;
};

// What the window shows; a spin field that shows no number reads as -1.
FieldStates ReadFieldStates(const Program& program);

// Sets every field with the mouse and the keyboard, in an order that the window allows: the
// controls that rotation/scaling disables while they are set, the size before the shape. True
// when the window shows them all afterwards.
bool EnterFieldStates(const Program& program, const FieldStates& wanted);

// For GoogleTest's messages.
void PrintTo(const FieldStates& states, std::ostream* out);
