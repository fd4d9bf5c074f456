// "Get Attributes": the value field's entry sets every field control, in the order of the
// entry's fields; anything but an entry is answered with the error box and changes nothing.
#include "ui/buttons.h"

#include "codec/decoder.h"
#include "codec/layout.h"
#include "runtime/controls.h"

namespace {

constexpr const char* ErrorTitle = "Error";

} // namespace

void GetAttributes() {
    const Text entry = GetControlText(OamValueField);
    std::optional<OamFields> decoded = DecodeEntry(entry);
    if (!decoded) {
        ShowMessage(ErrorTitle, NotAnEntryMessage, PlainMessageFlags);
        return;
    }
    const OamFields& f = *decoded;
    bool doubleSize = FlagSelects(DoubleSizePlace, f.rotScale);

    // The flag decides which of two controls a place belongs to; the other keeps its state, and
    // the interlock greys it out after this returns.
    SetControlState(YCoordinateSpin, f.yCoordinate);
    SetControlState(RotScaleCombo, f.rotScale);
    SetControlState(doubleSize ? DoubleSizeCombo : ObjDisableCombo,
                    doubleSize ? f.doubleSize : f.objDisable);
    SetControlState(ObjModeCombo, f.mode);
    SetControlState(ObjMosaicCombo, f.mosaic);
    SetControlState(ColorsPalettesCombo, f.colorsPalettes);
    SetControlState(ObjShapeCombo, f.shape);
    SetControlState(XCoordinateSpin, f.xCoordinate);
    if (FlagSelects(RotScaleParamPlace, f.rotScale)) {
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
    AnnounceStatus(FieldsSetWords + entry);
}
