// Puts arbitrary bytes into the OAM value field of a fresh window and presses "Get Attributes".
// Either the error box came and no control changed, or every control holds one of its own items
// or a number of its range, and "Calculate OAM" gives back the same twelve digits but for what
// the window cannot hold.
#include "codec/decoder.h"
#include "codec/encoder.h"
#include "harness/shift_and_mask.h"
#include "tests/support/headless/headless.h"
#include "tests/support/user.h"
#include "tests/support/window_picture.h"
#include "ui/buttons.h"
#include "ui/main_window.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t LargestInput = 64 * 1024;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool WithinItems(ControlId list) {
    std::int32_t state = GetControlState(list);
    return state >= 0 && state < ControlItemCount(list);
}

bool WithinRange(ControlId spin, std::int32_t maximum) {
    std::int32_t state = GetControlState(spin);
    return state >= 0 && state <= maximum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > LargestInput) {
        return 0;
    }
    StartControls();
    Require(BuildMainWindow());
    std::string typed(reinterpret_cast<const char*>(data), size);
    SetControlText(OamValueField, typed);
    std::int32_t sizeItemBefore = GetControlState(ObjSizeCombo);
    std::vector<ControlPicture> before = PictureOfWindow();
    std::size_t boxesBefore = ShownMessages().size();

    GetAttributes();

    if (ShownMessages().size() != boxesBefore) {
        Require(ShownMessages().size() == boxesBefore + 1);
        Require(PictureOfWindow() == before);
        Require(!DecodeEntry(typed));
        return 0;
    }
    Require(DecodeEntry(typed).has_value());
    Require(GetControlText(OamValueField) == before[OamValueField].text);
    for (ControlId list : {RotScaleCombo, DoubleSizeCombo, ObjDisableCombo, ObjModeCombo,
                           ObjMosaicCombo, ColorsPalettesCombo, ObjShapeCombo, HFlipCombo,
                           VFlipCombo, ObjSizeCombo, PriorityCombo}) {
        Require(WithinItems(list));
    }
    Require(WithinRange(YCoordinateSpin, 255) && WithinRange(XCoordinateSpin, 511) &&
            WithinRange(RotScaleParamSpin, 31) && WithinRange(TileNumberSpin, 1023) &&
            WithinRange(PaletteNumberSpin, 15));
    CalculateOam();
    const Attributes decoded = AttributesOfEntry(typed);
    const auto keptSizeCode = static_cast<std::uint16_t>(sizeItemBefore % 4);
    Require(GetControlText(OamValueField) == EntryText(WhatTheWindowKeeps(decoded, keptSizeCode)));
    return 0;
}
