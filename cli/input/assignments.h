// The name=value words of an encode job become the fields of an entry. Everything is checked
// before anything is encoded, so a bad job gives no entry at all.
#pragma once

#include "codec/layout.h"

#include <optional>
#include <string>
#include <string_view>

constexpr const char* SizeName = "size";

// Fills `fields` from the job's words, separated by blanks; a field not given stays 0. A word
// without "=" continues the value before it, so size=32 x 16 needs no quotes. Gives the reason,
// naming the field and its range, when the words are not a valid entry.
std::optional<std::string> ReadAssignments(std::string_view job, OamFields& fields);
