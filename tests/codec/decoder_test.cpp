#include "codec/decoder.h"
#include "ui/buttons.h"

#include "tests/support/fresh_window.h"
#include "tests/support/headless/headless.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

using States = std::map<ControlId, std::int32_t>;

void ExpectStates(const States& expected) {
    for (auto [id, state] : expected) {
        EXPECT_EQ(GetControlState(id), state) << "control " << id;
    }
}

TEST(DecodeEntry, ReadsEveryFieldOfTheWorkedExamples) {
    std::optional<OamFields> flagOff = DecodeEntry("4464A12C5955");
    ASSERT_TRUE(flagOff);
    EXPECT_EQ(flagOff->yCoordinate, 100);
    EXPECT_EQ(flagOff->rotScale, 0);
    EXPECT_EQ(flagOff->objDisable, 0);
    EXPECT_EQ(flagOff->mode, 1);
    EXPECT_EQ(flagOff->shape, 1);
    EXPECT_EQ(flagOff->xCoordinate, 300);
    EXPECT_EQ(flagOff->vFlip, 1);
    EXPECT_EQ(flagOff->hFlip, 0);
    EXPECT_EQ(flagOff->sizeCode, 2);
    EXPECT_EQ(flagOff->tileNumber, 341);
    EXPECT_EQ(flagOff->priority, 2);
    EXPECT_EQ(flagOff->paletteNumber, 5);

    std::optional<OamFields> flagOn = DecodeEntry("33FFEBFFFFFF");
    ASSERT_TRUE(flagOn);
    EXPECT_EQ(flagOn->rotScale, 1);
    EXPECT_EQ(flagOn->doubleSize, 1);
    EXPECT_EQ(flagOn->rotScaleParam, 21);
    EXPECT_EQ(flagOn->mosaic, 1);
    EXPECT_EQ(flagOn->colorsPalettes, 1);
    EXPECT_EQ(flagOn->sizeCode, 3);
    EXPECT_EQ(flagOn->tileNumber, 1023);
}

TEST(DecodeEntry, GivesTheSizeCodeOfTheProhibitedShapeToo) {
    std::optional<OamFields> fields = DecodeEntry("C0008000FFFF");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->shape, 3);
    EXPECT_EQ(fields->sizeCode, 2);
}

TEST(DecodeEntry, AcceptsOnlyTwelveHexDigitsInEitherCase) {
    EXPECT_TRUE(DecodeEntry("0123456789AB"));
    EXPECT_TRUE(DecodeEntry("cdefCDEF0000"));
    const char* const notEntries[] = {
        "",
        "01234567890",
        "0123456789ABC",
        "12G40000ZZZZ",
        "C0008000 7FF",
        "O00000000000",
        "00000000000O",
        "-12300000000",
        "0x1234567890",
        "00000000000\n",
    };
    for (const char* text : notEntries) {
        EXPECT_FALSE(DecodeEntry(text)) << '"' << text << '"';
    }
    EXPECT_FALSE(DecodeEntry(nullptr));
    EXPECT_FALSE(DecodeEntry(Text("0000000\0"
                                  "0000",
                                  12)));
}

TEST(DecodeEntry, ReadsLowerCaseAsUpperCase) {
    std::optional<OamFields> lower = DecodeEntry("33ffebffffff");
    std::optional<OamFields> upper = DecodeEntry("33FFEBFFFFFF");
    ASSERT_TRUE(lower && upper);
    EXPECT_EQ(std::memcmp(&*lower, &*upper, sizeof(OamFields)), 0);
}

class GetAttributesTest : public ::testing::Test {
  protected:
    void SetUp() override { OpenFreshWindow(); }

    void Decode(const char* entry) {
        SetControlText(OamValueField, entry);
        GetAttributes();
    }
};

TEST_F(GetAttributesTest, SetsTheControlsOfTheFlagOffExample) {
    SetControlState(DoubleSizeCombo, 1);
    SetControlState(RotScaleParamSpin, 9);
    Decode("4464A12C5955");
    ExpectStates({{YCoordinateSpin, 100},
                  {RotScaleCombo, 0},
                  {ObjDisableCombo, 0},
                  {ObjModeCombo, 1},
                  {ObjMosaicCombo, 0},
                  {ColorsPalettesCombo, 0},
                  {ObjShapeCombo, 1},
                  {XCoordinateSpin, 300},
                  {HFlipCombo, 0},
                  {VFlipCombo, 1},
                  {ObjSizeCombo, 6},
                  {TileNumberSpin, 341},
                  {PriorityCombo, 2},
                  {PaletteNumberSpin, 5}});
    // The controls the flag does not select keep their states.
    ExpectStates({{DoubleSizeCombo, 1}, {RotScaleParamSpin, 9}});
}

TEST_F(GetAttributesTest, SetsTheControlsOfTheFlagOnExample) {
    SetControlState(ObjDisableCombo, 1);
    SetControlState(HFlipCombo, 1);
    SetControlState(VFlipCombo, 1);
    Decode("33ffebffffff");
    ExpectStates({{YCoordinateSpin, 255},
                  {RotScaleCombo, 1},
                  {DoubleSizeCombo, 1},
                  {ObjModeCombo, 0},
                  {ObjMosaicCombo, 1},
                  {ColorsPalettesCombo, 1},
                  {ObjShapeCombo, 0},
                  {XCoordinateSpin, 511},
                  {RotScaleParamSpin, 21},
                  {ObjSizeCombo, 3},
                  {TileNumberSpin, 1023},
                  {PriorityCombo, 3},
                  {PaletteNumberSpin, 15},
                  {ObjDisableCombo, 1},
                  {HFlipCombo, 1},
                  {VFlipCombo, 1}});
    EXPECT_EQ(GetControlText(OamValueField), "33FFEBFFFFFF") << "the field shows capitals";
}

TEST_F(GetAttributesTest, KeepsTheSizeForTheProhibitedShape) {
    SetControlState(ObjSizeCombo, 9);
    Decode("C0008000FFFF");
    ExpectStates({{ObjShapeCombo, 3}, {ObjSizeCombo, 9}, {XCoordinateSpin, 0}});
}

TEST_F(GetAttributesTest, IgnoresTheUnusedFlipBitsWhenTheFlagIsOff) {
    Decode("00000E000000");
    std::vector<ControlPicture> withBits = PictureOfWindow();
    Decode("000000000000");
    std::vector<ControlPicture> withoutBits = PictureOfWindow();
    withBits[OamValueField] = withoutBits[OamValueField];
    EXPECT_EQ(withBits, withoutBits);
}

TEST_F(GetAttributesTest, RaisesNoEvents) {
    Decode("7464912C5A01");
    EXPECT_EQ(DrainEvents(), 0);
}

TEST_F(GetAttributesTest, ShowsTheErrorBoxAndChangesNothingForAnythingButAnEntry) {
    SetControlState(YCoordinateSpin, 7);
    SetControlState(ObjSizeCombo, 5);
    const char* const notEntries[] = {
        "", "01234567890", "0123456789ABC", "12G40000ZZZZ", "C0008000 7FF", "OOOOOOOOOOOO"};
    std::size_t boxes = ShownMessages().size();
    for (const char* text : notEntries) {
        SetControlText(OamValueField, text);
        std::vector<ControlPicture> before = PictureOfWindow();
        GetAttributes();
        EXPECT_EQ(PictureOfWindow(), before) << '"' << text << '"';
        ASSERT_EQ(ShownMessages().size(), ++boxes) << '"' << text << '"';
        const ShownMessage& box = ShownMessages().back();
        EXPECT_EQ(box.title, "Error");
        EXPECT_EQ(box.text, "This is not a valid 6 bytes OAM");
        EXPECT_EQ(box.flags, PlainMessageFlags);
    }
}

} // namespace
