// The codec by tables: the fixed results for values outside their fields, no text at all, and
// every value of each attribute against the independent shift-and-mask account, the window's
// reading and the command line's alike. The worked entries are the companion's
// cases/decode_arguments; lower-case digits are read there, and the window's decoder takes them as
// the decoder fuzzer's independent account does.
#include "codec/bit_fields.h"
#include "codec/decoder.h"
#include "codec/encoder.h"

#include "tests/support/shift_and_mask.h"

#include <gtest/gtest.h>

namespace {

// What the encoder writes for fields it is not meant to get: the flag leaves out the fields it
// does not select, and a value outside its field still gives a fixed text.
struct FixedResult {
    const char* what;
    OamFields fields;
    const char* entry;
};

// clang-format off
const FixedResult FixedResults[] = {
    {"flag off leaves out double size and the parameter",
     {.doubleSize = 1, .objDisable = 0, .rotScaleParam = 31}, "000000000000"},
    {"flag on leaves out disable and the flips",
     {.doubleSize = 0, .objDisable = 1, .rotScale = 1, .vFlip = 1, .hFlip = 1}, "010000000000"},
    {"flag on writes double size into bit 9", {.doubleSize = 1, .rotScale = 1}, "030000000000"},
    {"flag off writes disable into bit 9", {.objDisable = 1}, "020000000000"},
    {"only the low 8 bits of Y are held", {.yCoordinate = 256}, "000000000000"},
    {"a padded piece keeps its first digits: X 600 encodes as 300", {.xCoordinate = 600},
     "0000012C0000"},
    {"a size code beyond two bits keeps its first two digits", {.sizeCode = 6}, "0000C0000000"},
    {"a two-digit flip lengthens attr1", {.vFlip = 2}, "000040000000"},
    {"a 17-digit attr0 keeps the first four of its five digits",
     {.shape = 3, .colorsPalettes = 2}, "1C0000000000"},
    {"bit 31 set makes the attribute FFFF",
     {.shape = 3, .colorsPalettes = 255, .mosaic = 255, .objDisable = 255}, "FFFF00000000"},
    {"rotation/scaling 256 selects the flag-on fields but writes bit 8 as 0",
     {.doubleSize = 1, .rotScale = 256, .rotScaleParam = 1, .vFlip = 1}, "020002000000"},
    {"the tile number is held in 16 bits and keeps its first ten digits",
     {.tileNumber = 65536 + 2048}, "000000000200"},
    {"no size selected is size code 3", {.sizeCode = -1}, "0000C0000000"},
};
// clang-format on

TEST(Codec, EncodesFieldsItIsNotMeantToGetToFixedResults) {
    for (const FixedResult& fixed : FixedResults) {
        EXPECT_EQ(EncodeEntry(fixed.fields), fixed.entry) << fixed.what;
    }
}

// Any text but twelve hexadecimal digits is the decoder fuzzer's, near misses in its corpus.
TEST(Codec, RejectsNoText) {
    EXPECT_FALSE(DecodeEntry(nullptr));
}

TEST(Codec, AlwaysEncodesTwelveHexDigits) {
    const std::int32_t extremes[] = {0, 1, 2, 255, 256, 65535, -1, INT32_MIN, INT32_MAX};
    for (std::int32_t a : extremes) {
        for (std::int32_t b : extremes) {
            Text entry = EncodeEntry({a, b, a, b, a, b, a, b, a, b, a, b, a, b, a, b});
            ASSERT_EQ(entry.size(), 12u);
            EXPECT_EQ(entry.find_first_not_of("0123456789ABCDEF"), Text::npos) << entry;
        }
    }
}

TEST(CodecSweep, AgreesWithShiftsAndMasksForEveryValueOfEachAttribute) {
    for (std::uint32_t value = 0; value <= 0xFFFF; ++value) {
        auto v = static_cast<std::uint16_t>(value);
        for (Attributes a : {Attributes{v, 0x912C, 0x5A01}, Attributes{0x0100, v, 0x5A01},
                             Attributes{0x7464, v, 0x0000}, Attributes{0x0300, 0xFFFF, v}}) {
            const std::string entry = EntryText(a);
            const std::string kept =
                EntryText(WhatTheWindowKeeps(a, static_cast<std::uint16_t>(a.attr1 >> 14)));
            OamFields fields = StatesOf(a);
            ASSERT_EQ(DecodeEntry(entry), fields) << entry;
            ASSERT_EQ(EncodeEntry(fields), kept) << entry;
            // The command line's shifts and masks, both ways and through its digits.
            std::optional<AttributeWords> words = ReadEntryDigits(entry);
            ASSERT_EQ(words, (AttributeWords{a.attr0, a.attr1, a.attr2})) << entry;
            ASSERT_EQ(FieldsOfWords(*words), fields) << entry;
            std::string written(entry.size(), ' ');
            WriteEntryDigits(WordsOfFields(fields), written.data());
            ASSERT_EQ(written, kept) << entry;
        }
    }
}

} // namespace
