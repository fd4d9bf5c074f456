// The rules that keep the window consistent, triggered the way a person triggers them: the
// rotation/scaling list enabling its side, and the shape and size lists following each other.
#include "tests/e2e/field_states.h"
#include "tests/e2e/input.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/wait.h"

#include <string>

namespace {

constexpr int Off = 0;
constexpr int On = 1;

constexpr int Square = 0;
constexpr int Horizontal = 1;
constexpr int Vertical = 2;
constexpr int Prohibited = 3;

constexpr int Size16x8 = 4;
constexpr int Size32x8 = 5;
constexpr int Size32x16 = 6;
constexpr int Size8x16 = 8;
constexpr int Size64x64 = 3;
constexpr int LastSize = 11;
constexpr int SizesPerShape = 4;

using RulesAsAPersonTriggersThem = ProgramGroup;

bool ShowsSideOf(const Program& program, int rotScale) {
    const bool on = rotScale != Off;
    return ControlEnabled(program, DoubleSizeCombo) == on &&
           ControlEnabled(program, RotScaleParamSpin) == on &&
           ControlEnabled(program, ObjDisableCombo) == !on &&
           ControlEnabled(program, HFlipCombo) == !on && ControlEnabled(program, VFlipCombo) == !on;
}

// Waits for the enabled set of one side; the rule runs in the pass that took the pick.
void ExpectSideOf(const Program& program, int rotScale) {
    EXPECT_TRUE(WaitUntil([&] { return ShowsSideOf(program, rotScale); }))
        << "rotation/scaling " << rotScale << ": double size "
        << ControlEnabled(program, DoubleSizeCombo) << ", parameter "
        << ControlEnabled(program, RotScaleParamSpin) << ", disable "
        << ControlEnabled(program, ObjDisableCombo) << ", flips "
        << ControlEnabled(program, HFlipCombo) << ControlEnabled(program, VFlipCombo);
}

void ExpectShapeAndSize(const Program& program, int shape, int size) {
    EXPECT_EQ(ListSelection(program, ObjShapeCombo), shape);
    EXPECT_EQ(ListSelection(program, ObjSizeCombo), size);
}

TEST_F(RulesAsAPersonTriggersThem, PickingOnAndOffWithTheMouseFlipsTheEnabledSet) {
    ASSERT_TRUE(PickWithMouse(program, RotScaleCombo, On));
    ExpectSideOf(program, On);
    ASSERT_TRUE(PickWithMouse(program, RotScaleCombo, Off));
    ExpectSideOf(program, Off);
}

TEST_F(RulesAsAPersonTriggersThem, ArrowKeysOnTheClosedListFlipTheEnabledSet) {
    ASSERT_TRUE(TabTo(program, RotScaleCombo));
    ASSERT_TRUE(StepListWithArrowKey(program, RotScaleCombo, true));
    ExpectSideOf(program, On);
    ASSERT_TRUE(StepListWithArrowKey(program, RotScaleCombo, false));
    ExpectSideOf(program, Off);
}

TEST_F(RulesAsAPersonTriggersThem, ArrowKeysInTheOpenListFlipTheEnabledSetBeforeItCloses) {
    ASSERT_TRUE(OpenListWithMouse(program, RotScaleCombo));
    ASSERT_TRUE(StepListWithArrowKey(program, RotScaleCombo, true));
    ExpectSideOf(program, On);
    EXPECT_TRUE(ListIsOpen(program, RotScaleCombo));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return !ListIsOpen(program, RotScaleCombo); }));
    EXPECT_EQ(ListSelection(program, RotScaleCombo), On);
    ExpectSideOf(program, On);

    ASSERT_TRUE(OpenListWithMouse(program, RotScaleCombo));
    ASSERT_TRUE(StepListWithArrowKey(program, RotScaleCombo, false));
    ExpectSideOf(program, Off);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return !ListIsOpen(program, RotScaleCombo); }));
    ExpectSideOf(program, Off);
}

TEST_F(RulesAsAPersonTriggersThem, PickingASizeSelectsItsShapeAndKeepsTheSize) {
    ASSERT_TRUE(PickWithMouse(program, ObjSizeCombo, Size32x16));
    ExpectShapeAndSize(program, Horizontal, Size32x16);
}

TEST_F(RulesAsAPersonTriggersThem, PickingAnotherShapeSelectsItsFirstSize) {
    ASSERT_TRUE(PickWithMouse(program, ObjSizeCombo, Size64x64));
    ExpectShapeAndSize(program, Square, Size64x64);
    ASSERT_TRUE(PickWithMouse(program, ObjShapeCombo, Vertical));
    ExpectShapeAndSize(program, Vertical, Size8x16);
}

TEST_F(RulesAsAPersonTriggersThem, OpeningAndClosingTheShapeListKeepsTheChosenSize) {
    ASSERT_TRUE(PickWithMouse(program, ObjSizeCombo, Size64x64));
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(OpenListWithMouse(program, ObjShapeCombo));
        ASSERT_TRUE(CloseListWithMouse(program, ObjShapeCombo));
    }
    ASSERT_TRUE(OpenListWithMouse(program, ObjShapeCombo));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([] { return !ListIsOpen(program, ObjShapeCombo); }));
    // A later click shows that everything before it has been taken.
    ASSERT_TRUE(ClickControl(program, OamValueField));
    ASSERT_TRUE(WaitUntil([] { return FocusedControl(program) == OamValueField; }));
    ExpectShapeAndSize(program, Square, Size64x64);
}

TEST_F(RulesAsAPersonTriggersThem, TabbingThroughTheShapeListKeepsTheChosenSize) {
    ASSERT_TRUE(PickWithMouse(program, ObjSizeCombo, Size64x64));
    ASSERT_TRUE(TabTo(program, ObjShapeCombo));
    ASSERT_TRUE(TabTo(program, XCoordinateSpin));
    ExpectShapeAndSize(program, Square, Size64x64);
    PressKeyHolding(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(WaitUntil([] { return FocusedControl(program) == ObjShapeCombo; }));
    PressKeyHolding(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(WaitUntil([] { return FocusedControl(program) == ColorsPalettesCombo; }));
    ExpectShapeAndSize(program, Square, Size64x64);
}

TEST_F(RulesAsAPersonTriggersThem, ProhibitedShapeKeepsTheSize) {
    ASSERT_TRUE(PickWithMouse(program, ObjSizeCombo, Size32x8));
    ASSERT_TRUE(PickWithMouse(program, ObjShapeCombo, Prohibited));
    ASSERT_TRUE(ClickControl(program, OamValueField));
    ASSERT_TRUE(WaitUntil([] { return FocusedControl(program) == OamValueField; }));
    ExpectShapeAndSize(program, Prohibited, Size32x8);
}

// Any event of the size list, opening it included, makes the shape follow the size.
TEST_F(RulesAsAPersonTriggersThem, OpeningTheSizeListBringsTheShapeBackToTheSizes) {
    ASSERT_TRUE(PickWithMouse(program, ObjSizeCombo, Size16x8));
    ASSERT_TRUE(PickWithMouse(program, ObjShapeCombo, Prohibited));
    ExpectShapeAndSize(program, Prohibited, Size16x8);
    ASSERT_TRUE(OpenListWithMouse(program, ObjSizeCombo));
    EXPECT_TRUE(WaitUntil([] { return ListSelection(program, ObjShapeCombo) == Horizontal; }));
    ASSERT_TRUE(CloseListWithMouse(program, ObjSizeCombo));
    ExpectShapeAndSize(program, Horizontal, Size16x8);
}

TEST_F(RulesAsAPersonTriggersThem, EveryArrowKeyStepThroughTheSizesUpdatesTheShape) {
    ASSERT_TRUE(PickWithMouse(program, ObjSizeCombo, 0));
    // Closed list: down through every size, then back up.
    for (int size = 1; size <= LastSize; ++size) {
        ASSERT_TRUE(StepListWithArrowKey(program, ObjSizeCombo, true));
        ExpectShapeAndSize(program, size / SizesPerShape, size);
    }
    for (int size = LastSize - 1; size >= 0; --size) {
        ASSERT_TRUE(StepListWithArrowKey(program, ObjSizeCombo, false));
        ExpectShapeAndSize(program, size / SizesPerShape, size);
    }
    // Open list: each step shows before the list is closed.
    ASSERT_TRUE(OpenListWithMouse(program, ObjSizeCombo));
    for (int size = 1; size <= LastSize; ++size) {
        ASSERT_TRUE(StepListWithArrowKey(program, ObjSizeCombo, true));
        ExpectShapeAndSize(program, size / SizesPerShape, size);
    }
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return !ListIsOpen(program, ObjSizeCombo); }));
    ExpectShapeAndSize(program, Vertical, LastSize);
}

} // namespace
