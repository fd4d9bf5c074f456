// The layout of one sprite entry: three 16-bit attributes, each handled as a 16-character bit
// string (position 1 is bit 15, position 16 is bit 0), and the twelve hexadecimal digits that
// show the entry. Every field's place is stated here once. The decoder and the shift-and-mask
// conversions read each place from here; the digit-text encoder takes each field's width from
// here but places the fields by the order it joins their digits in, so the codec's tests hold
// both encoders to these places, every value of every field.
#pragma once

#include "runtime/text.h"

#include <array>
#include <cstdint>
#include <string_view>

// Every field of an entry. Where the rotation/scaling flag decides what a place means, both
// readings are held: doubleSize and objDisable are the same bit, and rotScaleParam covers the two
// flips; the field's place says which reading the flag selects.
struct OamFields {
    std::int32_t shape = 0;
    std::int32_t colorsPalettes = 0;
    std::int32_t mosaic = 0;
    std::int32_t mode = 0;
    std::int32_t doubleSize = 0;
    std::int32_t objDisable = 0;
    std::int32_t rotScale = 0;
    std::int32_t yCoordinate = 0;
    std::int32_t sizeCode = 0;
    std::int32_t rotScaleParam = 0;
    std::int32_t vFlip = 0;
    std::int32_t hFlip = 0;
    std::int32_t xCoordinate = 0;
    std::int32_t paletteNumber = 0;
    std::int32_t priority = 0;
    std::int32_t tileNumber = 0;
    bool operator==(const OamFields&) const = default;
};

// Under which setting of the rotation/scaling flag a field is part of the entry.
enum class FlagReading { Always, FlagOn, FlagOff };

struct FieldPlace {
    std::int32_t attribute; // 0 for attr0, 1 for attr1, 2 for attr2
    std::int32_t position;  // 1-based, in the attribute's bit string
    std::int32_t width;     // in bits
    FlagReading reading = FlagReading::Always;
};

// attr0. The rotation/scaling flag decides what bit 9 means: double size when on, disable when off.
constexpr FieldPlace ShapePlace{0, 1, 2};
constexpr FieldPlace ColorsPalettesPlace{0, 3, 1};
constexpr FieldPlace MosaicPlace{0, 4, 1};
constexpr FieldPlace ModePlace{0, 5, 2};
constexpr FieldPlace DoubleSizePlace{0, 7, 1, FlagReading::FlagOn};
constexpr FieldPlace ObjDisablePlace{0, 7, 1, FlagReading::FlagOff};
constexpr FieldPlace RotScalePlace{0, 8, 1};
constexpr FieldPlace YCoordinatePlace{0, 9, 8};

// attr1. With the flag on, bits 13-9 are the parameter; with it off, the two flips and three zeros.
constexpr FieldPlace SizeCodePlace{1, 1, 2};
constexpr FieldPlace RotScaleParamPlace{1, 3, 5, FlagReading::FlagOn};
constexpr FieldPlace VFlipPlace{1, 3, 1, FlagReading::FlagOff};
constexpr FieldPlace HFlipPlace{1, 4, 1, FlagReading::FlagOff};
constexpr FieldPlace UnusedFlipBitsPlace{1, 5, 3, FlagReading::FlagOff};
constexpr FieldPlace XCoordinatePlace{1, 8, 9};

// attr2.
constexpr FieldPlace PaletteNumberPlace{2, 1, 4};
constexpr FieldPlace PriorityPlace{2, 5, 2};
constexpr FieldPlace TileNumberPlace{2, 7, 10};

// Every field of an entry with its name, in the order of the entry's bits. The unused bits under
// the flips are not a field.
struct FieldLayout {
    std::string_view name;
    FieldPlace place;
    std::int32_t OamFields::*value;
};

inline constexpr std::array<FieldLayout, 16> EntryFields = {{
    {"shape", ShapePlace, &OamFields::shape},
    {"colorsPalettes", ColorsPalettesPlace, &OamFields::colorsPalettes},
    {"mosaic", MosaicPlace, &OamFields::mosaic},
    {"mode", ModePlace, &OamFields::mode},
    {"doubleSize", DoubleSizePlace, &OamFields::doubleSize},
    {"objDisable", ObjDisablePlace, &OamFields::objDisable},
    {"rotScale", RotScalePlace, &OamFields::rotScale},
    {"yCoordinate", YCoordinatePlace, &OamFields::yCoordinate},
    {"sizeCode", SizeCodePlace, &OamFields::sizeCode},
    {"rotScaleParam", RotScaleParamPlace, &OamFields::rotScaleParam},
    {"vFlip", VFlipPlace, &OamFields::vFlip},
    {"hFlip", HFlipPlace, &OamFields::hFlip},
    {"xCoordinate", XCoordinatePlace, &OamFields::xCoordinate},
    {"paletteNumber", PaletteNumberPlace, &OamFields::paletteNumber},
    {"priority", PriorityPlace, &OamFields::priority},
    {"tileNumber", TileNumberPlace, &OamFields::tileNumber},
}};

constexpr const FieldLayout& LayoutOf(std::int32_t OamFields::*value) {
    for (const FieldLayout& field : EntryFields) {
        if (field.value == value) {
            return field;
        }
    }
    return EntryFields[0]; // every member is in the list; a constant expression never gets here
}

constexpr std::int32_t BitStringLength = 16;
constexpr std::int32_t AttributeDigits = 4;
constexpr std::int32_t AttributeCount = 3;
constexpr std::int32_t EntryTextLength = AttributeDigits * AttributeCount;

// The size list holds four sizes for each of the first three shapes, in shape order; the fourth
// shape is prohibited and has none.
constexpr std::int32_t SizesPerShape = 4;
constexpr std::int32_t ProhibitedShape = 3;
constexpr std::int32_t SizeItemCount = SizesPerShape * ProhibitedShape;

// A size list item is written as shape and size code together before its size code is cut out.
constexpr std::int32_t SizeItemBits = ShapePlace.width + SizeCodePlace.width;

constexpr std::int32_t SizeItem(std::int32_t shape, std::int32_t sizeCode) {
    return shape * SizesPerShape + sizeCode;
}

constexpr std::int32_t ShapeOfSizeItem(std::int32_t item) {
    return item / SizesPerShape;
}

constexpr std::int32_t SizeCodeOfSizeItem(std::int32_t item) {
    return item % SizesPerShape;
}

// Whether the field at `place` is part of an entry whose rotation/scaling flag is `rotScale`.
constexpr bool FlagSelects(FieldPlace place, std::int32_t rotScale) {
    switch (place.reading) {
    case FlagReading::FlagOn:
        return rotScale != 0;
    case FlagReading::FlagOff:
        return rotScale == 0;
    case FlagReading::Always:
        break;
    }
    return true;
}

constexpr const char* BinaryPrefix = "%";
constexpr const char* HexPrefix = "$";
constexpr const char* ZeroDigit = "0";
constexpr int HexBase = 16;

// What the window and the command line say of a text that is not an entry.
constexpr const char* NotAnEntryMessage = "This is not a valid 6 bytes OAM";

// The bit number of a place's lowest bit, and the mask of its width, for shifts and masks.
constexpr std::int32_t LowestBit(FieldPlace place) {
    return BitStringLength - place.position - place.width + 1;
}

constexpr std::uint32_t WidthMask(FieldPlace place) {
    return (std::uint32_t{1} << place.width) - 1;
}

// Reads a whole digit text in the base that `prefix` names.
inline Number ParseDigits(const char* prefix, TextRef digits) {
    Text text(prefix);
    text.append(digits.chars);
    return ParseNumber(text);
}
