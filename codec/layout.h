// The layout of one sprite entry: three 16-bit attributes, each handled as a 16-character bit
// string (position 1 is bit 15, position 16 is bit 0), and the twelve hexadecimal digits that
// show the entry. Every field's place is stated here once; the encoder and the decoder read them
// from here.
#pragma once

#include "runtime/text.h"

#include <cstdint>

struct FieldPlace {
    std::int32_t position; // 1-based, in the attribute's bit string
    std::int32_t width;    // in bits
};

// attr0. The rotation/scaling flag decides what bit 9 means: double size when on, disable when off.
constexpr FieldPlace ShapePlace{1, 2};
constexpr FieldPlace ColorsPalettesPlace{3, 1};
constexpr FieldPlace MosaicPlace{4, 1};
constexpr FieldPlace ModePlace{5, 2};
constexpr FieldPlace DoubleSizePlace{7, 1};
constexpr FieldPlace ObjDisablePlace{7, 1};
constexpr FieldPlace RotScalePlace{8, 1};
constexpr FieldPlace YCoordinatePlace{9, 8};

// attr1. With the flag on, bits 13-9 are the parameter; with it off, the two flips and three zeros.
constexpr FieldPlace SizeCodePlace{1, 2};
constexpr FieldPlace RotScaleParamPlace{3, 5};
constexpr FieldPlace VFlipPlace{3, 1};
constexpr FieldPlace HFlipPlace{4, 1};
constexpr FieldPlace UnusedFlipBitsPlace{5, 3};
constexpr FieldPlace XCoordinatePlace{8, 9};

// attr2.
constexpr FieldPlace PaletteNumberPlace{1, 4};
constexpr FieldPlace PriorityPlace{5, 2};
constexpr FieldPlace TileNumberPlace{7, 10};

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

constexpr const char* BinaryPrefix = "%";
constexpr const char* HexPrefix = "$";
constexpr const char* ZeroDigit = "0";

// Reads a whole digit text in the base that `prefix` names.
inline Number ParseDigits(const char* prefix, TextRef digits) {
    Text text(prefix);
    text.append(digits.chars);
    return ParseNumber(text);
}
