// The decoder: an entry text becomes the fields of the entry.
#pragma once

#include "codec/layout.h"
#include "runtime/text.h"

#include <cstdint>
#include <optional>

// The fields of an entry text of exactly twelve hexadecimal digits (either case); nothing for any
// other text, since a typo such as the letter O for a zero must not decode as something else.
std::optional<OamFields> DecodeEntry(TextRef text);
