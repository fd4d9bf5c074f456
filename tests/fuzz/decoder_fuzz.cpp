// Puts arbitrary bytes into the OAM value field of a fresh window and presses "Get Attributes".
// Either the error box came and no control changed, or every control holds one of its own items
// or a number of its range, and "Calculate OAM" gives back the same twelve digits but for what
// the window cannot hold.
#include "codec/decoder.h"
#include "codec/encoder.h"
#include "tests/support/headless/headless.h"
#include "tests/support/user.h"
#include "tests/support/window_picture.h"
#include "ui/buttons.h"
#include "ui/main_window.h"

#include <cstdint>
#include <cstdlib>
#include <string>
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

// What the window gives back of an entry: with the flag off the three bits below the flips are
// 0, and the prohibited shape keeps the size list's own size code.
std::string Expected(const std::string& entry, std::int32_t sizeItemBefore) {
    unsigned long attr0 = std::strtoul(entry.substr(0, 4).c_str(), nullptr, 16);
    unsigned long attr1 = std::strtoul(entry.substr(4, 4).c_str(), nullptr, 16);
    unsigned long attr2 = std::strtoul(entry.substr(8, 4).c_str(), nullptr, 16);
    if (!(attr0 & 0x0100)) {
        attr1 &= ~0x0E00ul;
    }
    if ((attr0 >> 14) == 3) {
        attr1 = (attr1 & 0x3FFF) | static_cast<unsigned long>(sizeItemBefore % 4) << 14;
    }
    char text[13];
    std::snprintf(text, sizeof text, "%04lX%04lX%04lX", attr0, attr1, attr2);
    return text;
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
    Require(GetControlText(OamValueField) == Expected(before[OamValueField].text, sizeItemBefore));
    return 0;
}
