// An entry's bytes as a memory viewer shows and copies them: two hexadecimal digits a byte, in
// address order, blanks allowed between bytes but not inside one (digit_groups.h).
#pragma once

#include "codec/memory_layout.h"

#include <optional>
#include <string>
#include <string_view>

// Six bytes (the three attributes) or eight (with the group halfword); nothing otherwise.
std::optional<MemoryEntry> ReadMemoryOrder(std::string_view text);

// "64 74 2C 91 01 5A" for the entry 7464912C5A01, and the group halfword's two bytes after them
// when there is one.
std::string MemoryOrderText(TextRef entry, std::optional<std::uint16_t> groupHalfword = {});
