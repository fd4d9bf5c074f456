// The size list's item texts, width x height in pixels, in item order: four sizes for each of the
// first three shapes, so an item's index is SizeItem(shape, sizeCode). The window lists them and
// the command line takes a size by them.
#pragma once

#include "codec/layout.h"

#include <array>
#include <cstdint>

// The blanks line the one-digit sizes up with the others in the window's list.
inline constexpr std::array<const char*, SizeItemCount> SizeNames = {
    "8  x  8", "16 x 16", "32 x 32", "64 x 64", "16 x 8",  "32 x 8",
    "32 x 16", "64 x 32", "8  x 16", "8  x 32", "16 x 32", "32 x 64"};
