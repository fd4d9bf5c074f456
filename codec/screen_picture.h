// The picture of a dump's screens, as SVG: one 256 x 192 screen for each engine the dump reaches,
// side by side, each entry's box where the hardware shows it, and beside each screen the entries
// that it does not draw.
#pragma once

#include "codec/decoder.h"

#include <cstdint>
#include <span>
#include <string>

constexpr std::int32_t SmallestScale = 1;
constexpr std::int32_t LargestScale = 8;
constexpr std::int32_t DefaultScale = 2;

// `entries` in dump order, engine A's first; `scale` output pixels for each screen pixel.
std::string ScreensPicture(std::span<const OamFields> entries, std::int32_t scale);
