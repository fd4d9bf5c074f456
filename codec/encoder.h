// The encoder: the field controls' states become the twelve-digit entry text.
#pragma once

#include "runtime/text.h"

#include <cstdint>

// The sixteen field controls' states, as the controls give them: a list's item index, a spin
// field's number. The size is the size list's item, which carries the shape too.
struct FieldStates {
    std::int32_t shape = 0;
    std::int32_t colorsPalettes = 0;
    std::int32_t mosaic = 0;
    std::int32_t mode = 0;
    std::int32_t doubleSize = 0;
    std::int32_t objDisable = 0;
    std::int32_t rotScale = 0;
    std::int32_t yCoordinate = 0;
    std::int32_t sizeItem = 0;
    std::int32_t rotScaleParam = 0;
    std::int32_t vFlip = 0;
    std::int32_t hFlip = 0;
    std::int32_t xCoordinate = 0;
    std::int32_t paletteNumber = 0;
    std::int32_t priority = 0;
    std::int32_t tileNumber = 0;
};

// The entry text for these states: always twelve upper-case hexadecimal digits. A state outside
// its field still gives a defined text: only its low 8 bits (16 for the X coordinate and the tile
// number) are held, a padded piece keeps its most significant digits, and a one-bit piece of more
// than one digit lengthens its attribute, of which the four low digits' worth survive.
Text EncodeEntry(const FieldStates& states);
