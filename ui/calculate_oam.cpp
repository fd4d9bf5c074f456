// "Calculate OAM": the field controls are read in the order of the entry's fields and the entry
// text replaces whatever the value field held.
#include "ui/buttons.h"

#include "codec/encoder.h"
#include "runtime/controls.h"

void CalculateOam() {
    OamFields fields;
    fields.shape = GetControlState(ObjShapeCombo);
    fields.colorsPalettes = GetControlState(ColorsPalettesCombo);
    fields.mosaic = GetControlState(ObjMosaicCombo);
    fields.mode = GetControlState(ObjModeCombo);
    fields.doubleSize = GetControlState(DoubleSizeCombo);
    fields.objDisable = GetControlState(ObjDisableCombo);
    fields.rotScale = GetControlState(RotScaleCombo);
    fields.yCoordinate = GetControlState(YCoordinateSpin);
    fields.sizeCode = SizeCodeOfSizeItem(GetControlState(ObjSizeCombo));
    fields.rotScaleParam = GetControlState(RotScaleParamSpin);
    fields.vFlip = GetControlState(VFlipCombo);
    fields.hFlip = GetControlState(HFlipCombo);
    fields.xCoordinate = GetControlState(XCoordinateSpin);
    fields.paletteNumber = GetControlState(PaletteNumberSpin);
    fields.priority = GetControlState(PriorityCombo);
    fields.tileNumber = GetControlState(TileNumberSpin);
    const Text entry = EncodeEntry(fields);
    SetControlText(OamValueField, entry);
    AnnounceStatus(EntryWords + entry);
}
