#include "ui/event_loop.h"

#include "tests/support/fresh_window.h"
#include "tests/support/headless/headless.h"

#include <gtest/gtest.h>

namespace {

constexpr int PassesBeforeGivingUp = 100;

class EventLoop : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenFreshWindow();
        RunPassesUntilIdle();
    }

    // Runs passes until one finds nothing pending; gives the last kind handled.
    static EventKind RunPassesUntilIdle() {
        EventKind last = NoEvent;
        for (int pass = 0; pass < PassesBeforeGivingUp; ++pass) {
            EventKind kind = RunPass();
            if (kind == NoEvent) {
                return last;
            }
            last = kind;
        }
        ADD_FAILURE() << "the loop never ran out of events";
        return last;
    }

    static void ExpectRotScaleControlsEnabled(bool on) {
        EXPECT_EQ(IsControlEnabled(DoubleSizeCombo), on);
        EXPECT_EQ(IsControlEnabled(RotScaleParamSpin), on);
        EXPECT_EQ(IsControlEnabled(ObjDisableCombo), !on);
        EXPECT_EQ(IsControlEnabled(HFlipCombo), !on);
        EXPECT_EQ(IsControlEnabled(VFlipCombo), !on);
    }
};

TEST_F(EventLoop, TheFirstPassEnablesTheFlagOffControls) {
    ExpectRotScaleControlsEnabled(false);
    EXPECT_TRUE(IsControlEnabled(ObjShapeCombo));
}

TEST_F(EventLoop, PickingRotationScalingSwapsTheEnabledControlsInOnePass) {
    UserPickItem(RotScaleCombo, 1);
    EXPECT_EQ(RunPass(), ControlEvent);
    ExpectRotScaleControlsEnabled(true);
    UserPickItem(RotScaleCombo, 0);
    EXPECT_EQ(RunPass(), ControlEvent);
    ExpectRotScaleControlsEnabled(false);
}

TEST_F(EventLoop, ADecodedFlagEnablesItsControlsBeforeTheNextFetch) {
    SetControlText(OamValueField, "0300FFFFF000");
    UserPressButton(GetAttributesButton);
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlState(RotScaleCombo), 1);
    ExpectRotScaleControlsEnabled(true);
}

TEST_F(EventLoop, PickingASizeSelectsItsShapeAndKeepsTheSize) {
    UserPickItem(ObjSizeCombo, 6); // "32 x 16"
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlState(ObjShapeCombo), 1);
    EXPECT_EQ(GetControlState(ObjSizeCombo), 6);
    UserPickItem(ObjSizeCombo, 11); // "32 x 64"
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlState(ObjShapeCombo), 2);
}

TEST_F(EventLoop, PickingAnotherShapeSelectsItsFirstSize) {
    UserPickItem(ObjSizeCombo, 3); // "64 x 64"
    RunPassesUntilIdle();
    UserPickItem(ObjShapeCombo, 2);
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlState(ObjSizeCombo), 8); // "8  x 16"
    UserPickItem(ObjShapeCombo, 1);
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlState(ObjSizeCombo), 4); // "16 x 8"
}

TEST_F(EventLoop, TouchingTheShapeListKeepsAChosenSize) {
    UserPickItem(ObjSizeCombo, 3); // "64 x 64", a square size
    RunPassesUntilIdle();
    UserFocusControl(ObjShapeCombo);
    UserPickItem(ObjShapeCombo, 0); // the same shape again
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlState(ObjSizeCombo), 3);
}

TEST_F(EventLoop, TheProhibitedShapeKeepsTheSize) {
    UserPickItem(ObjSizeCombo, 7);
    RunPassesUntilIdle();
    UserPickItem(ObjShapeCombo, 3);
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlState(ObjShapeCombo), 3);
    EXPECT_EQ(GetControlState(ObjSizeCombo), 7);
    UserFocusControl(ObjSizeCombo); // any event of the size list sets the shape again
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlState(ObjShapeCombo), 1);
}

TEST_F(EventLoop, EachPressRunsItsConversionOnce) {
    UserTypeText(OamValueField, "not an entry");
    UserPressButton(GetAttributesButton);
    RunPassesUntilIdle();
    EXPECT_EQ(ShownMessages().size(), 1u);
    UserPressButton(CalculateOamButton);
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlText(OamValueField), "000000000000");
    EXPECT_EQ(ShownMessages().size(), 1u);
}

TEST_F(EventLoop, EncodesTheNumberASpinFieldShowsAfterAnOutOfRangeEntry) {
    SetControlState(YCoordinateSpin, 42);
    UserFocusControl(YCoordinateSpin);
    UserTypeText(YCoordinateSpin, "300");
    UserPressButton(CalculateOamButton);
    RunPassesUntilIdle();
    EXPECT_EQ(GetControlText(YCoordinateSpin), "42");
    EXPECT_EQ(GetControlText(OamValueField), "002A00000000");
}

TEST_F(EventLoop, TheClosingPassStillRunsTheInterlock) {
    SetControlState(RotScaleCombo, 1);
    UserCloseWindow();
    EXPECT_EQ(RunPassesUntilIdle(), CloseEvent);
    ExpectRotScaleControlsEnabled(true);
}

TEST(Program, EndsWithAMessageWhenTheWindowCannotBeOpened) {
    RefuseWindows(true);
    int exitCode = RunProgram();
    RefuseWindows(false);
    EXPECT_NE(exitCode, 0);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].flags, PlainMessageFlags);
}

} // namespace
