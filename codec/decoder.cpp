// The decoder cuts each attribute's fields out of its 16-digit bit string by position.
#include "codec/decoder.h"

#include "codec/layout.h"

#include <array>

namespace {

bool IsEntryText(TextRef text) {
    if (TextLength(text) != EntryTextLength) {
        return false;
    }
    for (char c : text.chars) {
        if (DigitValue(c, HexBase) < 0) {
            return false;
        }
    }
    return true;
}

// The bit string of attribute `attribute` (0 to 2) of the entry.
Text AttributeBits(TextRef entry, std::int32_t attribute) {
    Text digits = MidChars(entry, 1 + attribute * AttributeDigits, AttributeDigits);
    auto value = static_cast<std::uint16_t>(ParseDigits(HexPrefix, digits));
    return PadLeft(FormatBinary(value), BitStringLength, ZeroDigit);
}

std::int32_t Field(const Text& bits, FieldPlace place) {
    return static_cast<std::int32_t>(
        ParseDigits(BinaryPrefix, MidChars(bits, place.position, place.width)));
}

} // namespace

std::optional<OamFields> DecodeEntry(TextRef text) {
    if (!IsEntryText(text)) {
        return std::nullopt;
    }
    std::array<Text, AttributeCount> bits;
    for (std::int32_t attribute = 0; attribute < AttributeCount; ++attribute) {
        bits[static_cast<std::size_t>(attribute)] = AttributeBits(text, attribute);
    }
    OamFields fields;
    for (const FieldLayout& field : EntryFields) {
        fields.*field.value =
            Field(bits[static_cast<std::size_t>(field.place.attribute)], field.place);
    }
    return fields;
}
