#include "codec/memory_layout.h"

#include "codec/layout.h"

namespace {

constexpr unsigned BitsPerByte = 8;
constexpr unsigned ByteMask = 0xFF;

std::uint16_t LittleEndianHalfword(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << BitsPerByte);
}

} // namespace

MemoryEntry DumpEntry(std::span<const std::uint8_t> dump, std::size_t index) {
    return *EntryFromBytes(dump.subspan(index * BytesPerEntry, BytesPerEntry));
}

bool IsDumpSize(std::size_t size) {
    return size > 0 && size <= LargestDump && size % BytesPerEntry == 0;
}

Text EntryTextOf(const MemoryEntry& entry) {
    Text text;
    for (std::size_t attribute = 0; attribute < AttributeCount; ++attribute) {
        text += PadLeft(FormatHex(entry.halfwords[attribute]), AttributeDigits, ZeroDigit);
    }
    return text;
}

std::optional<MemoryEntry> EntryFromBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != BytesPerEntry && bytes.size() != EntryBytesWithoutGroupHalfword) {
        return std::nullopt;
    }
    MemoryEntry entry;
    for (std::size_t i = 0; i * BytesPerHalfword < bytes.size(); ++i) {
        entry.halfwords[i] = LittleEndianHalfword(bytes, i * BytesPerHalfword);
    }
    entry.hasGroupHalfword = bytes.size() == BytesPerEntry;
    return entry;
}

std::array<std::uint8_t, EntryBytesWithoutGroupHalfword> MemoryBytesOf(TextRef entry) {
    std::array<std::uint8_t, EntryBytesWithoutGroupHalfword> bytes{};
    for (std::int32_t attribute = 0; attribute < AttributeCount; ++attribute) {
        Text digits = MidChars(entry, 1 + attribute * AttributeDigits, AttributeDigits);
        auto value = static_cast<std::uint16_t>(ParseDigits(HexPrefix, digits));
        auto at = static_cast<std::size_t>(attribute) * BytesPerHalfword;
        bytes[at] = static_cast<std::uint8_t>(value & ByteMask);
        bytes[at + 1] = static_cast<std::uint8_t>(value >> BitsPerByte);
    }
    return bytes;
}
