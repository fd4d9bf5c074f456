// What a dump file holds, for every program that opens one: its entries decoded, and why a file of
// any other size is not a dump, in the one message both the companion and the page give.
#pragma once

#include "codec/decoder.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Past this, a file far too large is reported without being read to its end.
constexpr std::size_t LargestCountedSize = 16 * 1024 * 1024;

// Every entry the dump holds, in order: engine A's 128, then engine B's.
std::vector<OamFields> DecodeAll(std::span<const std::uint8_t> dump);

// "NAME: 7 bytes is not a dump: ..." for a file of `size` bytes that IsDumpSize refuses.
std::string NotADumpProblem(std::string_view shownName, std::size_t size);
