// The decoder cuts each attribute's fields out of its 16-digit bit string by position.
#include "codec/decoder.h"

#include "codec/layout.h"
#include "runtime/controls.h"

namespace {

constexpr const char* ErrorTitle = "Error";
constexpr const char* NotAnEntryMessage = "This is not a valid 6 bytes OAM";

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
    auto value = static_cast<std::uint16_t>(ParseNumber(HexPrefix + digits));
    return PadLeft(FormatBinary(value), BitStringLength, ZeroDigit);
}

std::int32_t Field(const Text& bits, FieldPlace place) {
    return static_cast<std::int32_t>(
        ParseNumber(BinaryPrefix + MidChars(bits, place.position, place.width)));
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

void GetAttributes() {
    std::optional<OamFields> decoded = DecodeEntry(GetControlText(OamValueField));
    if (!decoded) {
        ShowMessage(ErrorTitle, NotAnEntryMessage, PlainMessageFlags);
        return;
    }
    const OamFields& f = *decoded;
    bool rotScaleOn = f.rotScale == 1;

    // The flag decides which of two controls a place belongs to; the other keeps its state, and
    // the interlock greys it out after this returns.
    SetControlState(YCoordinateSpin, f.yCoordinate);
    SetControlState(RotScaleCombo, f.rotScale);
    SetControlState(rotScaleOn ? DoubleSizeCombo : ObjDisableCombo,
                    rotScaleOn ? f.doubleSize : f.objDisable);
    SetControlState(ObjModeCombo, f.mode);
    SetControlState(ObjMosaicCombo, f.mosaic);
    SetControlState(ColorsPalettesCombo, f.colorsPalettes);
    SetControlState(ObjShapeCombo, f.shape);
    SetControlState(XCoordinateSpin, f.xCoordinate);
    if (rotScaleOn) {
        SetControlState(RotScaleParamSpin, f.rotScaleParam);
    } else {
        SetControlState(HFlipCombo, f.hFlip);
        SetControlState(VFlipCombo, f.vFlip);
    }
    // The size list has no sizes for the prohibited shape; it keeps what it shows.
    if (f.shape != ProhibitedShape) {
        SetControlState(ObjSizeCombo, SizeItem(f.shape, f.sizeCode));
    }
    SetControlState(TileNumberSpin, f.tileNumber);
    SetControlState(PriorityCombo, f.priority);
    SetControlState(PaletteNumberSpin, f.paletteNumber);
}
