// The decoder: an entry text becomes the fields of the entry.
#pragma once

#include "runtime/text.h"

#include <cstdint>
#include <optional>

// Every field of an entry, both readings of the places the rotation/scaling flag decides:
// doubleSize and objDisable are the same bit, and rotScaleParam covers the two flips.
struct OamFields {
    std::int32_t shape = 0;
    std::int32_t colorsPalettes = 0;
    std::int32_t mosaic = 0;
    std::int32_t mode = 0;
    std::int32_t doubleSize = 0;
    std::int32_t objDisable = 0;
    std::int32_t rotScale = 0;
    std::int32_t yCoordinate = 0;
    std::int32_t sizeCode = 0;
    std::int32_t rotScaleParam = 0;
    std::int32_t vFlip = 0;
    std::int32_t hFlip = 0;
    std::int32_t xCoordinate = 0;
    std::int32_t paletteNumber = 0;
    std::int32_t priority = 0;
    std::int32_t tileNumber = 0;
};

// The fields of an entry text of exactly twelve hexadecimal digits (either case); nothing for any
// other text, since a typo such as the letter O for a zero must not decode as something else.
std::optional<OamFields> DecodeEntry(TextRef text);
