#include "codec/encoder.h"
#include "ui/buttons.h"

#include "tests/support/fresh_window.h"
#include "tests/support/shift_and_mask.h"

#include <gtest/gtest.h>

namespace {

FieldStates FlagOffExample() {
    FieldStates s;
    s.yCoordinate = 100;
    s.mode = 1;
    s.mosaic = 1;
    s.colorsPalettes = 1;
    s.shape = 1;
    s.xCoordinate = 300;
    s.hFlip = 1;
    s.sizeItem = 6; // "32 x 16"
    s.tileNumber = 513;
    s.priority = 2;
    s.paletteNumber = 5;
    return s;
}

FieldStates FlagOnExample() {
    FieldStates s;
    s.rotScale = 1;
    s.doubleSize = 1;
    s.xCoordinate = 511;
    s.sizeItem = 3; // "64 x 64"
    s.rotScaleParam = 31;
    s.paletteNumber = 15;
    return s;
}

FieldStates EveryFieldAtItsMaximum() {
    FieldStates s;
    s.yCoordinate = 255;
    s.objDisable = 1;
    s.mode = 3;
    s.mosaic = 1;
    s.colorsPalettes = 1;
    s.shape = 3;
    s.xCoordinate = 511;
    s.hFlip = 1;
    s.vFlip = 1;
    s.sizeItem = 11;
    s.tileNumber = 1023;
    s.priority = 3;
    s.paletteNumber = 15;
    return s;
}

TEST(Encoder, WritesTheWorkedExamples) {
    EXPECT_EQ(EncodeEntry(FieldStates{}), "000000000000");
    EXPECT_EQ(EncodeEntry(FlagOffExample()), "7464912C5A01");
    EXPECT_EQ(EncodeEntry(FlagOnExample()), "0300FFFFF000");
    EXPECT_EQ(EncodeEntry(EveryFieldAtItsMaximum()), "FEFFF1FFFFFF");
}

TEST(Encoder, TakesTheShapeFromTheShapeListAndOnlyTheSizeCodeFromTheSizeList) {
    FieldStates s;
    s.shape = 3;
    s.sizeItem = 7; // "64 x 32", a horizontal size
    EXPECT_EQ(EncodeEntry(s), "C000C0000000");
}

TEST(Encoder, LeavesOutTheControlsTheFlagDoesNotSelect) {
    FieldStates off = FlagOffExample();
    FieldStates offWithOthers = off;
    offWithOthers.doubleSize = 1;
    offWithOthers.rotScaleParam = 31;
    EXPECT_EQ(EncodeEntry(offWithOthers), EncodeEntry(off));

    FieldStates on = FlagOnExample();
    FieldStates onWithOthers = on;
    onWithOthers.objDisable = 1;
    onWithOthers.vFlip = 1;
    onWithOthers.hFlip = 1;
    EXPECT_EQ(EncodeEntry(onWithOthers), EncodeEntry(on));
}

TEST(Encoder, GivesTheFixedResultForStatesOutsideTheirFields) {
    struct Case {
        const char* what;
        FieldStates states;
        const char* entry;
    };
    auto with = [](auto change) {
        FieldStates s;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"only the low 8 bits of Y are held", with([](FieldStates& s) { s.yCoordinate = 256; }),
         "000000000000"},
        {"a padded piece keeps its first digits: X 600 encodes as 300",
         with([](FieldStates& s) { s.xCoordinate = 600; }), "0000012C0000"},
        {"the size code of item 255 is its third and fourth digits",
         with([](FieldStates& s) { s.sizeItem = 255; }), "0000C0000000"},
        {"a two-digit flip lengthens attr1", with([](FieldStates& s) { s.vFlip = 2; }),
         "000040000000"},
        {"a 17-digit attr0 keeps the first four of its five digits", with([](FieldStates& s) {
             s.colorsPalettes = 2;
             s.shape = 3;
         }),
         "1C0000000000"},
        {"bit 31 set makes the attribute FFFF", with([](FieldStates& s) {
             s.colorsPalettes = 255;
             s.mosaic = 255;
             s.objDisable = 255;
             s.shape = 3;
         }),
         "FFFF00000000"},
        {"rotation/scaling 256 selects the flag-on controls but writes bit 8 as 0",
         with([](FieldStates& s) {
             s.rotScale = 256;
             s.doubleSize = 1;
             s.rotScaleParam = 1;
             s.vFlip = 1;
         }),
         "020002000000"},
        {"the tile number is held in 16 bits and keeps its first ten digits",
         with([](FieldStates& s) { s.tileNumber = 65536 + 2048; }), "000000000200"},
    };
    for (const Case& c : cases) {
        Text entry = EncodeEntry(c.states);
        EXPECT_EQ(entry, c.entry) << c.what;
    }
}

TEST(Encoder, AlwaysWritesTwelveHexDigits) {
    const std::int32_t extremes[] = {0, 1, 2, 255, 256, 65535, -1, INT32_MIN, INT32_MAX};
    for (std::int32_t a : extremes) {
        for (std::int32_t b : extremes) {
            FieldStates s{a, b, a, b, a, b, a, b, a, b, a, b, a, b, a, b};
            Text entry = EncodeEntry(s);
            ASSERT_EQ(entry.size(), 12u);
            EXPECT_EQ(entry.find_first_not_of("0123456789ABCDEF"), Text::npos) << entry;
        }
    }
}

TEST(Encoder, AgreesWithShiftsAndMasksForEveryValueOfEachAttribute) {
    for (std::uint32_t value = 0; value <= 0xFFFF; ++value) {
        auto v = static_cast<std::uint16_t>(value);
        for (Attributes a : {Attributes{v, 0x912C, 0x5A01}, Attributes{0x0100, v, 0x5A01},
                             Attributes{0x7464, v, 0x0000}, Attributes{0x0300, 0xFFFF, v}}) {
            FieldStates states = StatesOf(a);
            ASSERT_EQ(EncodeEntry(states), EntryText(AttributesOf(states))) << EntryText(a);
        }
    }
}

TEST(CalculateOam, WritesTheEntryOfTheControlsIntoTheValueField) {
    OpenFreshWindow();
    UserTypeText(OamValueField, "typed by hand");
    CalculateOam();
    EXPECT_EQ(GetControlText(OamValueField), "000000000000");

    SetControlState(YCoordinateSpin, 100);
    SetControlState(ObjModeCombo, 1);
    SetControlState(ObjMosaicCombo, 1);
    SetControlState(ColorsPalettesCombo, 1);
    SetControlState(ObjShapeCombo, 1);
    SetControlState(XCoordinateSpin, 300);
    SetControlState(HFlipCombo, 1);
    SetControlState(ObjSizeCombo, 6);
    SetControlState(TileNumberSpin, 513);
    SetControlState(PriorityCombo, 2);
    SetControlState(PaletteNumberSpin, 5);
    SetControlState(DoubleSizeCombo, 1); // not selected while the flag is off
    CalculateOam();
    EXPECT_EQ(GetControlText(OamValueField), "7464912C5A01");
    CalculateOam();
    EXPECT_EQ(GetControlText(OamValueField), "7464912C5A01");
}

TEST(CalculateOam, ChangesNothingButTheValueField) {
    OpenFreshWindow();
    SetControlState(RotScaleCombo, 1);
    SetControlState(RotScaleParamSpin, 31);
    std::vector<ControlPicture> before = PictureOfWindow();
    CalculateOam();
    std::vector<ControlPicture> after = PictureOfWindow();
    EXPECT_EQ(after[OamValueField].text, "01003E000000");
    after[OamValueField] = before[OamValueField];
    EXPECT_EQ(after, before);
    EXPECT_EQ(DrainEvents(), 0);
}

} // namespace
