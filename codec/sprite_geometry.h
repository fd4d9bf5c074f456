// Where an entry puts its sprite on the 256 x 192 screen: its size in pixels, its position as the
// screen reads the coordinates, and the box it may draw in.
#pragma once

#include "codec/layout.h"
#include "codec/size_names.h"

#include <cstdint>
#include <optional>

// The screen, and the ranges the coordinates count in: Y wraps at 256, X at 512.
constexpr std::int32_t ScreenWidth = 256;
constexpr std::int32_t ScreenHeight = 192;
constexpr std::int32_t YRange = 256;
constexpr std::int32_t XRange = 512;

// The size list's own size, the one its text shows; nothing for the prohibited shape.
std::optional<PixelSize> SpriteSize(std::int32_t shape, std::int32_t sizeCode);

// X is a signed 9-bit number; a Y from the screen's height up is above the screen.
std::int32_t ScreenX(std::int32_t xCoordinate);
std::int32_t ScreenY(std::int32_t yCoordinate);

// Twice the size with rotation/scaling and double size on, so a rotated sprite is not clipped.
PixelSize BoundingBox(PixelSize size, const OamFields& fields);

// Not drawn: rotation/scaling off and the disable bit set.
bool IsHidden(const OamFields& fields);
