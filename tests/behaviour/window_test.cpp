// The program's window as a person uses it, run unchanged on every control layer: the window as
// built, the follow rules and the interlock, both buttons, the error box, a spin field, Tab and
// closing.
#include "tests/behaviour/layer_under_test.h"

#include "tests/support/fresh_window.h"
#include "tests/support/shift_and_mask.h"
#include "tests/support/window_description.h"
#include "ui/buttons.h"
#include "ui/event_loop.h"
#include "ui/window_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>

namespace {

class TheWindow : public ::testing::Test {
  protected:
    void SetUp() override { OpenFreshWindow(); }
    void TearDown() override { StopControls(); }

    static void Type(ControlId field, const char* text) {
        UserTypeText(field, text);
        RunUntilQuiet();
    }

    static void Press(ControlId button) {
        UserPressButton(button);
        RunUntilQuiet();
    }
};

TEST_F(TheWindow, IsBuiltAsDescribed) {
    const WindowDescription window = ReadWindowDescription();
    ASSERT_EQ(window.controls.size(), 39u);
    EXPECT_EQ(ShownTitle(), window.title);
    for (const DescribedControl& c : window.controls) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        EXPECT_EQ(IsControlEnabled(c.id), !c.disabled);
        if (c.kind == "list") {
            EXPECT_EQ(ItemsOf(c.id), c.texts);
            EXPECT_EQ(GetControlState(c.id), 0);
        } else if (c.kind == "spin") {
            EXPECT_EQ(GetControlText(c.id), "0");
            SetControlState(c.id, c.maximum + 1);
            EXPECT_EQ(GetControlState(c.id), c.maximum);
            SetControlState(c.id, c.minimum - 1);
            EXPECT_EQ(GetControlState(c.id), c.minimum);
        } else {
            EXPECT_EQ(GetControlText(c.id), c.texts.at(0));
        }
    }
}

// The harness and the benchmark wait for this signal before they touch the window.
TEST_F(TheWindow, SaysItIsReadyOnlyOnceTheLoopRunsAfterTheWholeWindow) {
    EXPECT_FALSE(IsControlEnabled(ReadyControl));
    RunPass();
    EXPECT_TRUE(IsControlEnabled(ReadyControl));
}

// What a person does, one step of a case.
using Step = std::function<void()>;

Step Pick(ControlId list, std::int32_t item) {
    return [=] { UserPickItem(list, item); };
}
Step Focus(ControlId id) {
    return [=] { UserFocusControl(id); };
}
Step Decode(const char* entry) {
    return [=] {
        UserTypeText(OamValueField, entry);
        UserPressButton(GetAttributesButton);
    };
}

struct RuleCase {
    const char* what;
    std::vector<Step> steps;
    std::int32_t shape;
    std::int32_t size;
    bool rotScaleSide; // the controls of rotation/scaling on are the enabled ones
};

// clang-format off
const RuleCase RuleCases[] = {
    {"after the first pass", {}, 0, 0, false},
    {"rotation/scaling on", {Pick(RotScaleCombo, 1)}, 0, 0, true},
    {"rotation/scaling on and off", {Pick(RotScaleCombo, 1), Pick(RotScaleCombo, 0)}, 0, 0, false},
    {"a decoded flag", {Decode("0300FFFFF000")}, 0, 3, true},
    {"a size selects its shape", {Pick(ObjSizeCombo, 6)}, 1, 6, false},
    {"a vertical size", {Pick(ObjSizeCombo, 11)}, 2, 11, false},
    {"another shape selects its first size",
     {Pick(ObjSizeCombo, 3), Pick(ObjShapeCombo, 2)}, 2, 8, false},
    {"and so does a horizontal one", {Pick(ObjSizeCombo, 3), Pick(ObjShapeCombo, 1)}, 1, 4, false},
    {"touching the shape list keeps a chosen size",
     {Pick(ObjSizeCombo, 3), Focus(ObjShapeCombo), Pick(ObjShapeCombo, 0)}, 0, 3, false},
    {"the prohibited shape keeps the size",
     {Pick(ObjSizeCombo, 7), Pick(ObjShapeCombo, 3)}, 3, 7, false},
    {"any event of the size list sets the shape again",
     {Pick(ObjSizeCombo, 7), Pick(ObjShapeCombo, 3), Focus(ObjSizeCombo)}, 1, 7, false},
    {"a decoded prohibited shape keeps the size",
     {Pick(ObjSizeCombo, 9), Decode("C0008000FFFF")}, 3, 9, false},
};
// clang-format on

TEST_F(TheWindow, FollowsTheShapeSizeRulesAndTheInterlock) {
    for (const RuleCase& c : RuleCases) {
        SCOPED_TRACE(c.what);
        OpenFreshWindow();
        RunUntilQuiet();
        for (const Step& step : c.steps) {
            step();
            RunUntilQuiet();
        }
        EXPECT_EQ(GetControlState(ObjShapeCombo), c.shape);
        EXPECT_EQ(GetControlState(ObjSizeCombo), c.size);
        EXPECT_EQ(IsControlEnabled(DoubleSizeCombo), c.rotScaleSide);
        EXPECT_EQ(IsControlEnabled(RotScaleParamSpin), c.rotScaleSide);
        EXPECT_EQ(IsControlEnabled(ObjDisableCombo), !c.rotScaleSide);
        EXPECT_EQ(IsControlEnabled(HFlipCombo), !c.rotScaleSide);
        EXPECT_EQ(IsControlEnabled(VFlipCombo), !c.rotScaleSide);
    }
}

TEST_F(TheWindow, CalculateOamWritesTheEntryOfWhatThePersonChoseAndChangesNothingElse) {
    RunUntilQuiet();
    Type(OamValueField, "typed by hand");
    for (auto [list, item] : std::map<ControlId, std::int32_t>{{ObjModeCombo, 1},
                                                               {ObjMosaicCombo, 1},
                                                               {ColorsPalettesCombo, 1},
                                                               {ObjSizeCombo, 6},
                                                               {HFlipCombo, 1},
                                                               {PriorityCombo, 2}}) {
        UserPickItem(list, item);
    }
    Type(YCoordinateSpin, "100");
    Type(XCoordinateSpin, "300");
    Type(TileNumberSpin, "513");
    Type(PaletteNumberSpin, "5");
    std::vector<ControlPicture> before = PictureOfWindow();
    Press(CalculateOamButton);
    std::vector<ControlPicture> after = PictureOfWindow();
    EXPECT_EQ(after[OamValueField].text, "7464912C5A01");
    after[OamValueField] = before[OamValueField];
    EXPECT_EQ(after, before);
}

// Which control takes each field is the sweep's (DecodesThenEncodesValuesOfEachAttribute); here
// the controls of the places the flag gives to the others keep what the person chose.
TEST_F(TheWindow, GetAttributesShowsTheEntrysFieldsAndKeepsWhatTheFlagLeavesOut) {
    RunUntilQuiet();
    for (ControlId list : {ObjDisableCombo, HFlipCombo, VFlipCombo}) {
        UserPickItem(list, 1);
    }
    Type(OamValueField, "33ffebffffff");
    Press(GetAttributesButton);
    for (auto [id, state] : std::map<ControlId, std::int32_t>{{RotScaleCombo, 1},
                                                              {DoubleSizeCombo, 1},
                                                              {RotScaleParamSpin, 21},
                                                              {TileNumberSpin, 1023},
                                                              {ObjDisableCombo, 1},
                                                              {HFlipCombo, 1},
                                                              {VFlipCombo, 1}}) {
        EXPECT_EQ(GetControlState(id), state) << "control " << id;
    }
    EXPECT_EQ(GetControlText(TileNumberSpin), "1023");
    EXPECT_EQ(GetControlText(OamValueField), "33FFEBFFFFFF");
    Press(CalculateOamButton);
    EXPECT_EQ(GetControlText(OamValueField), "33FFEBFFFFFF");
}

TEST_F(TheWindow, GetAttributesAnswersAnythingButAnEntryWithTheErrorBoxAndChangesNothing) {
    RunUntilQuiet();
    UserPickItem(ObjSizeCombo, 5);
    Type(YCoordinateSpin, "7");
    for (const char* text : {"0123456789ABC", "7464912C5A0", "7464912C5A0G", ""}) {
        SCOPED_TRACE(text);
        Type(OamValueField, text);
        std::vector<ControlPicture> before = PictureOfWindow();
        std::vector<SeenBox> boxes = BoxesShownWhile([] { Press(GetAttributesButton); });
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Error");
        EXPECT_EQ(boxes[0].text, "This is not a valid 6 bytes OAM");
        EXPECT_EQ(PictureOfWindow(), before);
    }
}

TEST_F(TheWindow, ASpinFieldShowsAndEncodesItsLastNumberAfterAnOutOfRangeEntry) {
    RunUntilQuiet();
    Type(YCoordinateSpin, "42");
    Press(CalculateOamButton);
    UserFocusControl(YCoordinateSpin);
    Type(YCoordinateSpin, "300");
    Press(CalculateOamButton);
    EXPECT_EQ(GetControlText(YCoordinateSpin), "42");
    EXPECT_EQ(GetControlText(OamValueField), "002A00000000");
}

// Creation order, without labels, frames and the controls that rotation/scaling disables.
TEST_F(TheWindow, TabAndShiftTabGoRoundTheEnabledControlsInCreationOrder) {
    RunUntilQuiet();
    const std::vector<ControlId> order = {OamValueField,   GetAttributesButton, CalculateOamButton,
                                          YCoordinateSpin, RotScaleCombo,       ObjDisableCombo,
                                          ObjModeCombo,    ObjMosaicCombo,      ColorsPalettesCombo,
                                          ObjShapeCombo,   XCoordinateSpin,     HFlipCombo,
                                          VFlipCombo,      ObjSizeCombo,        TileNumberSpin,
                                          PriorityCombo,   PaletteNumberSpin};
    for (bool backwards : {false, true}) {
        std::vector<ControlId> visited;
        for (std::size_t press = 0; press < order.size(); ++press) {
            UserPressTab(backwards);
            RunUntilQuiet();
            visited.push_back(FocusedControl());
        }
        std::vector<ControlId> expected = order;
        if (backwards) {
            std::reverse(expected.begin(), expected.end());
            std::rotate(expected.begin(), expected.begin() + 1, expected.end());
        }
        EXPECT_EQ(visited, expected) << (backwards ? "Shift+Tab" : "Tab");
    }
}

// Values of each attribute go into the window and come back out as they went in, but for what the
// window cannot hold. The codec is swept value by value on its own; this sweeps the window's
// binding to it: every bit alone, every bit missing, and a spread of mixed values.
TEST_F(TheWindow, DecodesThenEncodesValuesOfEachAttribute) {
    constexpr std::int32_t KeptSizeItem = 6; // "32 x 16", size code 2
    constexpr std::uint16_t KeptSizeCode = 2;
    constexpr int MixedValues = 64;
    std::vector<std::uint16_t> values = {0x0000, 0xFFFF};
    for (int bit = 0; bit < 16; ++bit) {
        values.push_back(static_cast<std::uint16_t>(1u << bit));
        values.push_back(static_cast<std::uint16_t>(~(1u << bit)));
    }
    for (std::uint32_t mixed = 1; values.size() < 2 + 32 + MixedValues;) {
        mixed = mixed * 1103515245u + 12345u;
        values.push_back(static_cast<std::uint16_t>(mixed >> 8));
    }
    for (std::uint16_t v : values) {
        for (Attributes a : {Attributes{v, 0x912C, 0x5A01}, Attributes{0x0100, v, 0x0000},
                             Attributes{0x4000, v, 0xFFFF}, Attributes{0x7464, 0x912C, v}}) {
            SetControlState(ObjSizeCombo, KeptSizeItem);
            SetControlText(OamValueField, EntryText(a));
            GetAttributes();
            CalculateOam();
            ASSERT_EQ(GetControlText(OamValueField), EntryText(WhatTheWindowKeeps(a, KeptSizeCode)))
                << "decoded " << EntryText(a);
        }
    }
}

TEST(Program, EndsWithZeroWhenThePersonClosesTheWindow) {
    CloseWindowOnceWaiting();
    EXPECT_EQ(RunProgram(), 0);
}

} // namespace
