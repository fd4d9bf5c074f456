#include "ui/main_window.h"

#include "tests/support/fresh_window.h"
#include "tests/support/headless/headless.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<Text> Items(ControlId id) {
    std::vector<Text> items;
    for (std::int32_t i = 0; i < ControlItemCount(id); ++i) {
        items.push_back(ControlItemText(id, i));
    }
    return items;
}

TEST(MainWindow, OpensWithItsTitleAndEveryLabel) {
    OpenFreshWindow();
    EXPECT_EQ(WindowTitle(MainWindow), "Quorvex - Dunmarrow");
    const std::pair<ControlId, const char*> texts[] = {
        {OamValueLabel, "OAM Value (6 bytes Hex) : "},
        {GetAttributesButton, "Get Attributes"},
        {CalculateOamButton, "Calculate OAM"},
        {Attribute0Frame, "OBJ Attribute 0"},
        {Attribute1Frame, "OBJ Attribute 1"},
        {Attribute2Frame, "OBJ Attribute 2"},
        {RotScaleLabel, "Rotation/Scaling :"},
        {RotScaleParamLabel, "Rotation/Scaling Parameter : "},
        {PriorityLabel, "Priority relative to BG  : "},
        {ColorsPalettesLabel, "Colors/Palettes : "},
        {OamValueField, ""},
    };
    for (auto [id, text] : texts) {
        EXPECT_EQ(GetControlText(id), text) << "control " << id;
    }
}

TEST(MainWindow, ListsCarryTheirItemsInIndexOrder) {
    OpenFreshWindow();
    EXPECT_EQ(Items(ObjSizeCombo), (std::vector<Text>{"8  x  8", "16 x 16", "32 x 32", "64 x 64",
                                                      "16 x 8", "32 x 8", "32 x 16", "64 x 32",
                                                      "8  x 16", "8  x 32", "16 x 32", "32 x 64"}));
    EXPECT_EQ(Items(ObjShapeCombo),
              (std::vector<Text>{"Square", "Horizontal", "Vertical", "Prohibited"}));
    EXPECT_EQ(Items(ObjModeCombo),
              (std::vector<Text>{"Normal", "Semi-Transparent", "OBJ Window", "Prohibited"}));
    EXPECT_EQ(Items(RotScaleCombo), (std::vector<Text>{"Off", "On"}));
    EXPECT_EQ(Items(ObjMosaicCombo), (std::vector<Text>{"off", "on"}));
    EXPECT_EQ(Items(ObjDisableCombo), (std::vector<Text>{"Normal", "Not Displayed"}));
    EXPECT_EQ(Items(PriorityCombo), (std::vector<Text>{"Highest", "High", "Low", "Lowest"}));
    EXPECT_EQ(Items(ColorsPalettesCombo),
              (std::vector<Text>{"16 colors/16 palettes", "256 colors/1 palette"}));
}

TEST(MainWindow, StartsWithEveryListAtItsFirstItemAndEverySpinAtZero) {
    OpenFreshWindow();
    for (ControlId list : {RotScaleCombo, DoubleSizeCombo, ObjDisableCombo, ObjModeCombo,
                           ObjMosaicCombo, ColorsPalettesCombo, ObjShapeCombo, HFlipCombo,
                           VFlipCombo, ObjSizeCombo, PriorityCombo}) {
        EXPECT_EQ(GetControlState(list), 0) << "control " << list;
    }
    for (ControlId spin :
         {YCoordinateSpin, XCoordinateSpin, RotScaleParamSpin, TileNumberSpin, PaletteNumberSpin}) {
        EXPECT_EQ(GetControlState(spin), 0) << "control " << spin;
        EXPECT_EQ(GetControlText(spin), "0") << "control " << spin;
    }
    EXPECT_EQ(DrainEvents(), 0) << "building the window raises no events";
}

TEST(MainWindow, SpinFieldsSpanTheirFieldsExactly) {
    OpenFreshWindow();
    const std::pair<ControlId, std::int32_t> maximums[] = {{YCoordinateSpin, 255},
                                                           {XCoordinateSpin, 511},
                                                           {RotScaleParamSpin, 31},
                                                           {TileNumberSpin, 1023},
                                                           {PaletteNumberSpin, 15}};
    for (auto [spin, maximum] : maximums) {
        SetControlState(spin, maximum + 1);
        EXPECT_EQ(GetControlState(spin), maximum) << "control " << spin;
        SetControlState(spin, -1);
        EXPECT_EQ(GetControlState(spin), 0) << "control " << spin;
    }
}

TEST(MainWindow, StartsWithTheRotationScalingControlsDisabled) {
    OpenFreshWindow();
    for (ControlId id : {DoubleSizeCombo, RotScaleParamSpin, HFlipCombo, VFlipCombo}) {
        EXPECT_FALSE(IsControlEnabled(id)) << "control " << id;
    }
    EXPECT_TRUE(IsControlEnabled(ObjDisableCombo));
}

TEST(MainWindow, ValueFieldShowsCapitals) {
    OpenFreshWindow();
    UserTypeText(OamValueField, "7464912c5a01");
    EXPECT_EQ(GetControlText(OamValueField), "7464912C5A01");
}

TEST(MainWindow, CreatesNoControlWhenTheWindowIsRefused) {
    StartControls();
    RefuseWindows(true);
    EXPECT_FALSE(BuildMainWindow());
    RefuseWindows(false);
    EXPECT_FALSE(IsWindowOpen(MainWindow));
    EXPECT_EQ(GetControlText(CalculateOamButton), "");
}

} // namespace
