// "Calculate OAM": the field controls are read in the order of the entry's fields and the entry
// text replaces whatever the value field held.
#include "ui/buttons.h"

#include "codec/encoder.h"
#include "runtime/controls.h"

void CalculateOam() {
    FieldStates states;
    states.shape = GetControlState(ObjShapeCombo);
    states.colorsPalettes = GetControlState(ColorsPalettesCombo);
    states.mosaic = GetControlState(ObjMosaicCombo);
    states.mode = GetControlState(ObjModeCombo);
    states.doubleSize = GetControlState(DoubleSizeCombo);
    states.objDisable = GetControlState(ObjDisableCombo);
    states.rotScale = GetControlState(RotScaleCombo);
    states.yCoordinate = GetControlState(YCoordinateSpin);
    states.sizeItem = GetControlState(ObjSizeCombo);
    states.rotScaleParam = GetControlState(RotScaleParamSpin);
    states.vFlip = GetControlState(VFlipCombo);
    states.hFlip = GetControlState(HFlipCombo);
    states.xCoordinate = GetControlState(XCoordinateSpin);
    states.paletteNumber = GetControlState(PaletteNumberSpin);
    states.priority = GetControlState(PriorityCombo);
    states.tileNumber = GetControlState(TileNumberSpin);
    SetControlText(OamValueField, EncodeEntry(states));
}
