#include "tests/e2e/field_states.h"

#include "runtime/controls.h"
#include "tests/e2e/person.h"
#include "tests/e2e/view.h"

#include <cstdlib>
#include <string>

namespace {

constexpr int RotScaleOff = 0;
constexpr int RotScaleOn = 1;
constexpr int NotANumber = -1;

int ShownNumber(const Program& program, ControlId spin) {
    const std::string text = ControlText(program, spin);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return NotANumber;
    }
    return std::atoi(text.c_str());
}

bool Pick(const Program& program, ControlId list, int index) {
    return ListSelection(program, list) == index || PickWithMouse(program, list, index);
}

bool Type(const Program& program, ControlId spin, int number) {
    return ShownNumber(program, spin) == number || TypeInto(program, spin, std::to_string(number));
}

} // namespace

FieldStates ReadFieldStates(const Program& program) {
    return {
        .yCoordinate = ShownNumber(program, YCoordinateSpin),
        .rotScale = ListSelection(program, RotScaleCombo),
        .doubleSize = ListSelection(program, DoubleSizeCombo),
        .objDisable = ListSelection(program, ObjDisableCombo),
        .mode = ListSelection(program, ObjModeCombo),
        .mosaic = ListSelection(program, ObjMosaicCombo),
        .colorsPalettes = ListSelection(program, ColorsPalettesCombo),
        .shape = ListSelection(program, ObjShapeCombo),
        .xCoordinate = ShownNumber(program, XCoordinateSpin),
        .rotScaleParam = ShownNumber(program, RotScaleParamSpin),
        .hFlip = ListSelection(program, HFlipCombo),
        .vFlip = ListSelection(program, VFlipCombo),
        .size = ListSelection(program, ObjSizeCombo),
        .tileNumber = ShownNumber(program, TileNumberSpin),
        .priority = ListSelection(program, PriorityCombo),
        .paletteNumber = ShownNumber(program, PaletteNumberSpin),
    };
}

bool EnterFieldStates(const Program& program, const FieldStates& wanted) {
    const FieldStates shown = ReadFieldStates(program);
    bool entered = true;
    // The disable and flip lists take input only with rotation/scaling off, the double-size list
    // and the parameter only with it on.
    if (shown.objDisable != wanted.objDisable || shown.hFlip != wanted.hFlip ||
        shown.vFlip != wanted.vFlip) {
        entered = entered && Pick(program, RotScaleCombo, RotScaleOff) &&
                  Pick(program, ObjDisableCombo, wanted.objDisable) &&
                  Pick(program, HFlipCombo, wanted.hFlip) &&
                  Pick(program, VFlipCombo, wanted.vFlip);
    }
    if (shown.doubleSize != wanted.doubleSize || shown.rotScaleParam != wanted.rotScaleParam) {
        entered = entered && Pick(program, RotScaleCombo, RotScaleOn) &&
                  Pick(program, DoubleSizeCombo, wanted.doubleSize) &&
                  Type(program, RotScaleParamSpin, wanted.rotScaleParam);
    }
    entered =
        entered && Pick(program, RotScaleCombo, wanted.rotScale) &&
        Type(program, YCoordinateSpin, wanted.yCoordinate) &&
        Pick(program, ObjModeCombo, wanted.mode) && Pick(program, ObjMosaicCombo, wanted.mosaic) &&
        Pick(program, ColorsPalettesCombo, wanted.colorsPalettes) &&
        Type(program, XCoordinateSpin, wanted.xCoordinate) &&
        Type(program, TileNumberSpin, wanted.tileNumber) &&
        Pick(program, PriorityCombo, wanted.priority) &&
        Type(program, PaletteNumberSpin, wanted.paletteNumber) &&
        // The shape list follows the size list; a shape that the size belongs to, or the
        // prohibited shape, then keeps the size.
        Pick(program, ObjSizeCombo, wanted.size) && Pick(program, ObjShapeCombo, wanted.shape);
    return entered && ReadFieldStates(program) == wanted;
}

void PrintTo(const FieldStates& s, std::ostream* out) {
    *out << "{y " << s.yCoordinate << ", rotScale " << s.rotScale << ", doubleSize " << s.doubleSize
         << ", objDisable " << s.objDisable << ", mode " << s.mode << ", mosaic " << s.mosaic
         << ", colors " << s.colorsPalettes << ", shape " << s.shape << ", x " << s.xCoordinate
         << ", rotScaleParam " << s.rotScaleParam << ", hFlip " << s.hFlip << ", vFlip " << s.vFlip
         << ", size " << s.size << ", tile " << s.tileNumber << ", priority " << s.priority
         << ", palette " << s.paletteNumber << "}";
}
