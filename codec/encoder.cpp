// The encoder works on digit texts, not on shifts and masks: each state is written as binary
// digits, padded or cut to its field, the pieces are joined into the attribute's bit string, and
// that is parsed back and written in hexadecimal. The order the pieces are joined in is the order
// of the places in codec/layout.h, from bit 15 down; the tests hold the two to each other.
#include "codec/encoder.h"

#include "codec/layout.h"

namespace {

// States are held in 8 bits, the X coordinate and the tile number in 16.
Number Held8(std::int32_t state) {
    return static_cast<std::uint8_t>(state);
}
Number Held16(std::int32_t state) {
    return static_cast<std::uint16_t>(state);
}

Text Padded(Number held, std::int32_t width) {
    return PadLeft(FormatBinary(held), width, ZeroDigit);
}

// One-bit fields are not padded: a state of 0 or 1 is one digit.
Text Unpadded(Number held) {
    return FormatBinary(held);
}

// The bit string read back as binary, kept to its low 32 bits as a signed number, and written as
// its first four hexadecimal digits (all of them for any value up to 0xFFFF).
Text AttributeText(const Text& bits) {
    Number parsed = ParseDigits(BinaryPrefix, bits);
    auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(parsed));
    return PadLeft(FormatHex(low), AttributeDigits, ZeroDigit);
}

Text Attribute0Bits(const OamFields& s) {
    std::int32_t bit9 = FlagSelects(DoubleSizePlace, s.rotScale) ? s.doubleSize : s.objDisable;
    return Padded(Held8(s.shape), ShapePlace.width) + Unpadded(Held8(s.colorsPalettes)) +
           Unpadded(Held8(s.mosaic)) + Padded(Held8(s.mode), ModePlace.width) +
           Unpadded(Held8(bit9)) + Unpadded(Held8(s.rotScale)) +
           Padded(Held8(s.yCoordinate), YCoordinatePlace.width);
}

Text Attribute1Bits(const OamFields& s) {
    Text sizeCode = Padded(Held8(s.sizeCode), SizeCodePlace.width);
    Text middle = FlagSelects(RotScaleParamPlace, s.rotScale)
                      ? Padded(Held8(s.rotScaleParam), RotScaleParamPlace.width)
                      : Unpadded(Held8(s.vFlip)) + Unpadded(Held8(s.hFlip)) +
                            Padded(0, UnusedFlipBitsPlace.width);
    return sizeCode + middle + Padded(Held16(s.xCoordinate), XCoordinatePlace.width);
}

Text Attribute2Bits(const OamFields& s) {
    return Padded(Held8(s.paletteNumber), PaletteNumberPlace.width) +
           Padded(Held8(s.priority), PriorityPlace.width) +
           Padded(Held16(s.tileNumber), TileNumberPlace.width);
}

} // namespace

Text EncodeEntry(const OamFields& states) {
    return AttributeText(Attribute0Bits(states)) + AttributeText(Attribute1Bits(states)) +
           AttributeText(Attribute2Bits(states));
}
