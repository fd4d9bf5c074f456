#include "codec/bit_fields.h"

#include "runtime/text.h"

namespace {

constexpr unsigned DigitBits = 4;
constexpr unsigned DigitMask = 0xF;
constexpr std::size_t ByteValues = 256;
constexpr unsigned BitsPerByte = 8;
constexpr std::size_t ByteMask = 0xFF;

} // namespace

std::optional<AttributeWords> ReadEntryDigits(std::string_view text) {
    if (text.size() != static_cast<std::size_t>(EntryTextLength)) {
        return std::nullopt;
    }
    AttributeWords words{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        int digit = DigitValue(text[i], HexBase);
        if (digit < 0) {
            return std::nullopt;
        }
        std::uint16_t& word = words[i / AttributeDigits];
        word = static_cast<std::uint16_t>(word << DigitBits | static_cast<unsigned>(digit));
    }
    return words;
}

// The two digits of each byte, looked up at once.
constexpr std::array<std::array<char, 2>, ByteValues> ByteDigits = [] {
    std::array<std::array<char, 2>, ByteValues> digits{};
    for (std::size_t byte = 0; byte < ByteValues; ++byte) {
        digits[byte] = {UpperHexDigits[byte >> DigitBits], UpperHexDigits[byte & DigitMask]};
    }
    return digits;
}();

void WriteEntryDigits(const AttributeWords& words, char* out) {
    for (std::uint16_t word : words) {
        for (std::size_t byte : {std::size_t{word} >> BitsPerByte, std::size_t{word} & ByteMask}) {
            *out++ = ByteDigits[byte][0];
            *out++ = ByteDigits[byte][1];
        }
    }
}

// The loops over the places are unrolled: each place is then a constant shift and mask.
OamFields FieldsOfWords(const AttributeWords& words) {
    OamFields fields;
#pragma GCC unroll 16
    for (const FieldLayout& field : EntryFields) {
        std::uint32_t word = words[static_cast<std::size_t>(field.place.attribute)];
        fields.*field.value =
            static_cast<std::int32_t>(word >> LowestBit(field.place) & WidthMask(field.place));
    }
    return fields;
}

AttributeWords WordsOfFields(const OamFields& fields) {
    std::array<std::uint32_t, AttributeCount> words{};
#pragma GCC unroll 16
    for (const FieldLayout& field : EntryFields) {
        if (FlagSelects(field.place, fields.rotScale)) {
            auto value = static_cast<std::uint32_t>(fields.*field.value);
            words[static_cast<std::size_t>(field.place.attribute)] |=
                (value & WidthMask(field.place)) << LowestBit(field.place);
        }
    }
    return {static_cast<std::uint16_t>(words[0]), static_cast<std::uint16_t>(words[1]),
            static_cast<std::uint16_t>(words[2])};
}

AttributeWords WithFields(const AttributeWords& words, const OamFields& fields,
                          std::uint32_t given) {
    std::array<std::uint32_t, AttributeCount> changed = {words[0], words[1], words[2]};
#pragma GCC unroll 16
    for (std::size_t i = 0; i < EntryFields.size(); ++i) {
        const FieldLayout& field = EntryFields[i];
        if ((given >> i & 1) != 0) {
            auto value = static_cast<std::uint32_t>(fields.*field.value);
            std::uint32_t& word = changed[static_cast<std::size_t>(field.place.attribute)];
            word = (word & ~(WidthMask(field.place) << LowestBit(field.place))) |
                   (value & WidthMask(field.place)) << LowestBit(field.place);
        }
    }
    return {static_cast<std::uint16_t>(changed[0]), static_cast<std::uint16_t>(changed[1]),
            static_cast<std::uint16_t>(changed[2])};
}
