// The encoder: an entry's fields become its twelve-digit text.
#pragma once

#include "codec/layout.h"
#include "runtime/text.h"

#include <cstdint>

// The entry text for these fields: always twelve upper-case hexadecimal digits. A value outside
// its field still gives a defined text: only its low 8 bits (16 for the X coordinate and the tile
// number) are held, a padded piece keeps its most significant digits, and a one-bit piece of more
// than one digit lengthens its attribute, of which the four low digits' worth survive.
Text EncodeEntry(const OamFields& fields);
