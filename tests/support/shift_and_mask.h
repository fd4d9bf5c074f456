// An independent account of the entry layout, by shifts and masks, to check the digit-text codec
// against. Only for states within their fields.
#pragma once

#include "codec/encoder.h"

#include <cstdint>
#include <cstdio>
#include <string>

struct Attributes {
    std::uint16_t attr0, attr1, attr2;
};

// The fields an entry's bits give.
inline OamFields StatesOf(Attributes a) {
    OamFields s;
    s.shape = a.attr0 >> 14;
    s.colorsPalettes = a.attr0 >> 13 & 1;
    s.mosaic = a.attr0 >> 12 & 1;
    s.mode = a.attr0 >> 10 & 3;
    s.rotScale = a.attr0 >> 8 & 1;
    s.doubleSize = s.objDisable = a.attr0 >> 9 & 1;
    s.yCoordinate = a.attr0 & 0xFF;
    s.sizeCode = a.attr1 >> 14;
    s.rotScaleParam = a.attr1 >> 9 & 31;
    s.vFlip = a.attr1 >> 13 & 1;
    s.hFlip = a.attr1 >> 12 & 1;
    s.xCoordinate = a.attr1 & 0x1FF;
    s.paletteNumber = a.attr2 >> 12;
    s.priority = a.attr2 >> 10 & 3;
    s.tileNumber = a.attr2 & 0x3FF;
    return s;
}

// Where each field lies, read off the hardware's table apart from codec/layout.h: for changing
// one field of an entry in place.
struct FieldBits {
    std::int32_t OamFields::*field;
    int attribute, shift, mask;
};
inline constexpr FieldBits EveryFieldBits[] = {
    {&OamFields::shape, 0, 14, 3},          {&OamFields::colorsPalettes, 0, 13, 1},
    {&OamFields::mosaic, 0, 12, 1},         {&OamFields::mode, 0, 10, 3},
    {&OamFields::doubleSize, 0, 9, 1},      {&OamFields::objDisable, 0, 9, 1},
    {&OamFields::rotScale, 0, 8, 1},        {&OamFields::yCoordinate, 0, 0, 0xFF},
    {&OamFields::sizeCode, 1, 14, 3},       {&OamFields::rotScaleParam, 1, 9, 31},
    {&OamFields::vFlip, 1, 13, 1},          {&OamFields::hFlip, 1, 12, 1},
    {&OamFields::xCoordinate, 1, 0, 0x1FF}, {&OamFields::paletteNumber, 2, 12, 15},
    {&OamFields::priority, 2, 10, 3},       {&OamFields::tileNumber, 2, 0, 0x3FF},
};

inline Attributes WithState(Attributes a, const FieldBits& bits, int value) {
    std::uint16_t* words[] = {&a.attr0, &a.attr1, &a.attr2};
    std::uint16_t& word = *words[bits.attribute];
    word = static_cast<std::uint16_t>((word & ~(bits.mask << bits.shift)) | value << bits.shift);
    return a;
}

inline std::string EntryText(Attributes a) {
    char text[13];
    std::snprintf(text, sizeof text, "%04X%04X%04X", a.attr0, a.attr1, a.attr2);
    return text;
}

// The attributes of twelve hex digits, read without the codec.
inline Attributes AttributesOfEntry(const std::string& entry) {
    Attributes a{};
    std::sscanf(entry.c_str(), "%4hx%4hx%4hx", &a.attr0, &a.attr1, &a.attr2);
    return a;
}

// What encoding gives back of a decoded entry: with the flag off the three bits below the flips
// come back as 0. The window's size list holds no sizes for the prohibited shape, so there it
// gives its own size code; the codec alone keeps the entry's (`keptSizeCode` is that code).
inline Attributes WhatTheWindowKeeps(Attributes a, std::uint16_t keptSizeCode) {
    constexpr std::uint16_t UnusedFlipBits = 0x0E00;
    constexpr std::uint16_t SizeCodeBits = 0xC000;
    constexpr int ProhibitedShape = 3;
    if (!(a.attr0 >> 8 & 1)) {
        a.attr1 &= ~UnusedFlipBits;
    }
    if (a.attr0 >> 14 == ProhibitedShape) {
        a.attr1 = static_cast<std::uint16_t>((a.attr1 & ~SizeCodeBits) | keptSizeCode << 14);
    }
    return a;
}
