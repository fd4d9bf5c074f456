// The entry by shifts and masks, from the places in the layout: what the command line converts
// with, a bulk of entries at a time. The window keeps the digit-text codec; the tests take every
// value of every attribute through both and find them equal.
#pragma once

#include "codec/layout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// attr0, attr1, attr2.
using AttributeWords = std::array<std::uint16_t, AttributeCount>;

// The attributes of a text of exactly twelve hexadecimal digits (either case); nothing for any
// other text, as the window's decoder.
std::optional<AttributeWords> ReadEntryDigits(std::string_view text);

// The twelve upper-case digits of the entry, at `out`.
void WriteEntryDigits(const AttributeWords& words, char* out);

OamFields FieldsOfWords(const AttributeWords& words);

// Each field the flag selects, cut to its width; the bits under the flips stay 0. For fields
// within their ranges this is what the window's encoder writes.
AttributeWords WordsOfFields(const OamFields& fields);

// `words` with the fields named in `given` (bit i for EntryFields[i]) set from `fields`, each cut
// to its width, and every other bit as it was: also the bits a field shares with one of the other
// reading of the flag, which the new flag's fields then read.
AttributeWords WithFields(const AttributeWords& words, const OamFields& fields,
                          std::uint32_t given);
