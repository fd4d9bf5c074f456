// The keyboard alone: Tab and Shift+Tab through the controls that take the focus, and Space on a
// focused button.
#include "tests/e2e/field_states.h"
#include "tests/e2e/input.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/wait.h"

#include <vector>

namespace {

using Keyboard = ProgramGroup;

// Creation order, without labels, frames and the controls that rotation/scaling disables.
const std::vector<ControlId> TabOrderWithRotScaleOff = {
    OamValueField,   GetAttributesButton, CalculateOamButton, YCoordinateSpin,     RotScaleCombo,
    ObjDisableCombo, ObjModeCombo,        ObjMosaicCombo,     ColorsPalettesCombo, ObjShapeCombo,
    XCoordinateSpin, HFlipCombo,          VFlipCombo,         ObjSizeCombo,        TileNumberSpin,
    PriorityCombo,   PaletteNumberSpin};
const std::vector<ControlId> TabOrderWithRotScaleOn = {
    OamValueField,       GetAttributesButton, CalculateOamButton, YCoordinateSpin,
    RotScaleCombo,       DoubleSizeCombo,     ObjModeCombo,       ObjMosaicCombo,
    ColorsPalettesCombo, ObjShapeCombo,       XCoordinateSpin,    RotScaleParamSpin,
    ObjSizeCombo,        TileNumberSpin,      PriorityCombo,      PaletteNumberSpin};

// Starting in the entry field, presses Tab (or Shift+Tab) once per control and once more, and
// gives the controls the focus went to.
std::vector<ControlId> VisitedFromTheEntryField(const Program& program, std::size_t presses,
                                                bool backwards) {
    std::vector<ControlId> visited;
    if (!ClickControl(program, OamValueField) ||
        !WaitUntil([&] { return FocusedControl(program) == OamValueField; })) {
        return visited;
    }
    for (std::size_t press = 0; press < presses; ++press) {
        const ControlId before = FocusedControl(program);
        if (backwards) {
            PressKeyHolding(VK_SHIFT, VK_TAB);
        } else {
            PressKey(VK_TAB);
        }
        WaitUntil([&] { return FocusedControl(program) != before; });
        visited.push_back(FocusedControl(program));
    }
    return visited;
}

std::vector<ControlId> ForwardsAfterTheFirst(const std::vector<ControlId>& order) {
    std::vector<ControlId> expected(order.begin() + 1, order.end());
    expected.push_back(order.front());
    return expected;
}

std::vector<ControlId> BackwardsAfterTheFirst(const std::vector<ControlId>& order) {
    std::vector<ControlId> expected(order.rbegin(), order.rend() - 1);
    expected.push_back(order.front());
    return expected;
}

TEST_F(Keyboard, TabVisitsTheEnabledControlsInCreationOrderAndWrapsAround) {
    ASSERT_TRUE(EnterFieldStates(program, {}));
    EXPECT_EQ(VisitedFromTheEntryField(program, TabOrderWithRotScaleOff.size(), false),
              ForwardsAfterTheFirst(TabOrderWithRotScaleOff));
}

TEST_F(Keyboard, ShiftTabVisitsThemBackwardsAndWrapsAround) {
    ASSERT_TRUE(EnterFieldStates(program, {}));
    EXPECT_EQ(VisitedFromTheEntryField(program, TabOrderWithRotScaleOff.size(), true),
              BackwardsAfterTheFirst(TabOrderWithRotScaleOff));
}

TEST_F(Keyboard, TabFollowsWhatRotationScalingEnables) {
    ASSERT_TRUE(EnterFieldStates(program, {.rotScale = 1}));
    EXPECT_EQ(VisitedFromTheEntryField(program, TabOrderWithRotScaleOn.size(), false),
              ForwardsAfterTheFirst(TabOrderWithRotScaleOn));
    EXPECT_EQ(VisitedFromTheEntryField(program, TabOrderWithRotScaleOn.size(), true),
              BackwardsAfterTheFirst(TabOrderWithRotScaleOn));
}

TEST_F(Keyboard, SpaceOnGetAttributesDecodes) {
    ASSERT_TRUE(EnterFieldStates(program, {}));
    ASSERT_TRUE(TypeInto(program, OamValueField, "4464A12C5955"));
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([] { return FocusedControl(program) == GetAttributesButton; }));
    PressKey(VK_SPACE);
    const FieldStates decoded = {.yCoordinate = 100,
                                 .mode = 1,
                                 .shape = 1,
                                 .xCoordinate = 300,
                                 .vFlip = 1,
                                 .size = 6,
                                 .tileNumber = 341,
                                 .priority = 2,
                                 .paletteNumber = 5};
    WaitUntil([&] { return ReadFieldStates(program) == decoded; });
    EXPECT_EQ(ReadFieldStates(program), decoded);
}

TEST_F(Keyboard, SpaceOnCalculateOamEncodes) {
    ASSERT_TRUE(EnterFieldStates(program, {.yCoordinate = 1, .paletteNumber = 2}));
    ASSERT_TRUE(TypeInto(program, OamValueField, ""));
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([] { return FocusedControl(program) == CalculateOamButton; }));
    PressKey(VK_SPACE);
    WaitUntil([] { return !ControlText(program, OamValueField).empty(); });
    EXPECT_EQ(ControlText(program, OamValueField), "000100002000");
}

} // namespace
