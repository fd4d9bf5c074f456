// The parts of the screen an entry's box covers. The hardware shows row r of the screen when
// (r - Y) mod 256 is less than the box's height, and column c when (c - X) mod 512 is less than
// its width, so a box that runs past the end of either range comes back in at the top or at the
// left: one box can show in several pieces.
#pragma once

#include "codec/sprite_geometry.h"

#include <cstdint>
#include <vector>

struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The pieces of a box of `box` pixels at the entry's coordinates that fall on the 256 x 192
// screen, top to bottom; none when the box lies wholly off it.
std::vector<ScreenRect> VisiblePieces(const OamFields& fields, PixelSize box);

// How the screen shows an entry: not at all when it is hidden or of the prohibited shape, which has
// no size; off the screen when its box covers no pixel of it; otherwise drawn, in its pieces. A
// picture of a dump also lists the entries the dump does not hold.
enum class Showing { Drawn, Hidden, Prohibited, OffScreen, NotInDump };

struct Placement {
    Showing showing = Showing::NotInDump;
    std::vector<ScreenRect> pieces;
    PixelSize box;
};

Placement PlacementOf(const OamFields& fields);
