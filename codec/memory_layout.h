// Sprite entries as they lie in memory: the object attribute memory of each of the two display
// engines, 1024 bytes from 0x07000000 (engine A) and from 0x07000400 (engine B). Entry n is the 8
// bytes at 8n: attr0, attr1, attr2 and a halfword of the rotation/scaling groups, each halfword
// little-endian. Group g's four parameters are the fourth halfwords of entries 4g to 4g+3.
#pragma once

#include "runtime/text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

constexpr std::size_t BytesPerHalfword = 2;
constexpr std::size_t HalfwordsPerEntry = 4;
constexpr std::size_t BytesPerEntry = BytesPerHalfword * HalfwordsPerEntry;
constexpr std::size_t EntryBytesWithoutGroupHalfword = BytesPerHalfword * 3;
constexpr std::size_t EntriesPerEngine = 128;
constexpr std::size_t BytesPerEngine = BytesPerEntry * EntriesPerEngine;
constexpr std::size_t EngineCount = 2;
constexpr std::size_t LargestDump = BytesPerEngine * EngineCount;
constexpr std::size_t EntriesPerGroup = 4;
constexpr std::size_t GroupsPerEngine = EntriesPerEngine / EntriesPerGroup;
constexpr std::size_t GroupHalfword = 3; // the fourth halfword of an entry
constexpr std::array<std::string_view, EngineCount> EngineNames = {"A", "B"};

// The three attributes and, when the bytes hold it, the fourth halfword.
struct MemoryEntry {
    std::array<std::uint16_t, HalfwordsPerEntry> halfwords{};
    bool hasGroupHalfword = false;
};

// Entry `index` of a dump (0 to 255 across both engines), which must hold it whole.
MemoryEntry DumpEntry(std::span<const std::uint8_t> dump, std::size_t index);

// A dump may stop after any whole entry, but must hold at least one and fit both engines.
bool IsDumpSize(std::size_t size);

// The twelve digits the window shows: attr0 attr1 attr2, most significant digit first.
Text EntryTextOf(const MemoryEntry& entry);

// The six or eight bytes of an entry, as a memory viewer copies them; nothing for any other count.
std::optional<MemoryEntry> EntryFromBytes(std::span<const std::uint8_t> bytes);

// The six bytes of an entry text of twelve hexadecimal digits, in memory order.
std::array<std::uint8_t, EntryBytesWithoutGroupHalfword> MemoryBytesOf(TextRef entry);
