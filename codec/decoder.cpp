// The decoder cuts each attribute's fields out of its 16-digit bit string by position.
#include "codec/decoder.h"

#include "codec/layout.h"

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsEntryText(TextRef text) {
    if (TextLength(text) != EntryTextLength) {
        return false;
    }
    for (char c : text.chars) {
        if (!IsHexDigit(c)) {
            return false;
        }
    }
    return true;
}

// The bit string of the attribute whose digits start at `firstDigit`.
Text AttributeBits(TextRef entry, std::int32_t firstDigit) {
    Text digits = MidChars(entry, firstDigit, AttributeDigits);
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
    Text attr0 = AttributeBits(text, 1);
    Text attr1 = AttributeBits(text, 1 + AttributeDigits);
    Text attr2 = AttributeBits(text, 1 + 2 * AttributeDigits);

    OamFields fields;
    fields.shape = Field(attr0, ShapePlace);
    fields.colorsPalettes = Field(attr0, ColorsPalettesPlace);
    fields.mosaic = Field(attr0, MosaicPlace);
    fields.mode = Field(attr0, ModePlace);
    fields.doubleSize = Field(attr0, DoubleSizePlace);
    fields.objDisable = Field(attr0, ObjDisablePlace);
    fields.rotScale = Field(attr0, RotScalePlace);
    fields.yCoordinate = Field(attr0, YCoordinatePlace);
    fields.sizeCode = Field(attr1, SizeCodePlace);
    fields.rotScaleParam = Field(attr1, RotScaleParamPlace);
    fields.vFlip = Field(attr1, VFlipPlace);
    fields.hFlip = Field(attr1, HFlipPlace);
    fields.xCoordinate = Field(attr1, XCoordinatePlace);
    fields.paletteNumber = Field(attr2, PaletteNumberPlace);
    fields.priority = Field(attr2, PriorityPlace);
    fields.tileNumber = Field(attr2, TileNumberPlace);
    return fields;
}
