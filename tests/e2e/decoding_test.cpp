// "Get Attributes" as a person uses it: an entry typed into the field, the button clicked, the
// fields read from the window.
#include "tests/e2e/buttons.h"
#include "tests/e2e/field_states.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/wait.h"

#include <string>
#include <vector>

namespace {

// `before` differs from `after` in at least one field, so that the decoding is seen to be over,
// and in the fields that the entry must not touch, so that touching them shows.
struct DecodeCase {
    std::string name;
    FieldStates before;
    std::string typed;
    std::string shown; // what the entry field shows once typed
    FieldStates after;
};

using DecodingThroughTheButton = ProgramGroup;

// The controls on the side of rotation/scaling that the entry did not choose are disabled.
void ExpectEnabledSideOf(const Program& program, int rotScale) {
    const bool on = rotScale != 0;
    EXPECT_EQ(ControlEnabled(program, DoubleSizeCombo), on);
    EXPECT_EQ(ControlEnabled(program, RotScaleParamSpin), on);
    EXPECT_EQ(ControlEnabled(program, ObjDisableCombo), !on);
    EXPECT_EQ(ControlEnabled(program, HFlipCombo), !on);
    EXPECT_EQ(ControlEnabled(program, VFlipCombo), !on);
}

void ExpectDecodings(const Program& program, const std::vector<DecodeCase>& cases) {
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(EnterFieldStates(program, c.before));
        ASSERT_TRUE(TypeInto(program, OamValueField, c.typed));
        EXPECT_EQ(ControlText(program, OamValueField), c.shown);
        PressGetAttributes(program);
        WaitUntil([&] { return ReadFieldStates(program) == c.after; });
        EXPECT_EQ(ReadFieldStates(program), c.after);
        EXPECT_EQ(ControlText(program, OamValueField), c.shown) << "the entry is left as it is";
        ExpectEnabledSideOf(program, c.after.rotScale);
    }
}

// Rotation/scaling off in the first example, on in the second; the controls of the other side
// start out differing from what their bits would give and keep their states.
const FieldStates FirstBefore = {.doubleSize = 1, .rotScaleParam = 7};
const FieldStates FirstAfter = {.yCoordinate = 100,
                                .doubleSize = 1,
                                .mode = 1,
                                .shape = 1,
                                .xCoordinate = 300,
                                .rotScaleParam = 7,
                                .vFlip = 1,
                                .size = 6,
                                .tileNumber = 341,
                                .priority = 2,
                                .paletteNumber = 5};
const FieldStates SecondBefore = {.hFlip = 1};
const FieldStates SecondAfter = {.yCoordinate = 255,
                                 .rotScale = 1,
                                 .doubleSize = 1,
                                 .mosaic = 1,
                                 .colorsPalettes = 1,
                                 .xCoordinate = 511,
                                 .rotScaleParam = 21,
                                 .hFlip = 1,
                                 .size = 3,
                                 .tileNumber = 1023,
                                 .priority = 3,
                                 .paletteNumber = 15};

TEST_F(DecodingThroughTheButton, WorkedExamplesSetTheirFields) {
    ExpectDecodings(
        program,
        {{"rotation/scaling off", FirstBefore, "4464A12C5955", "4464A12C5955", FirstAfter},
         {"rotation/scaling on", SecondBefore, "33FFEBFFFFFF", "33FFEBFFFFFF", SecondAfter}});
}

TEST_F(DecodingThroughTheButton, LowerCaseIsShownInCapitalsAndReadAlike) {
    ExpectDecodings(program,
                    {{"lower case", SecondBefore, "33ffebffffff", "33FFEBFFFFFF", SecondAfter}});
}

TEST_F(DecodingThroughTheButton, ProhibitedShapeKeepsTheChosenSize) {
    ExpectDecodings(program, {{"prohibited shape, size code 2 in the entry",
                               {.shape = 1, .size = 5},
                               "C00080000000",
                               "C00080000000",
                               {.shape = 3, .size = 5}}});
}

TEST_F(DecodingThroughTheButton, FieldsOfTheSideNotChosenKeepTheirStates) {
    ExpectDecodings(program, {{"off keeps double size and parameter",
                               {.yCoordinate = 5, .doubleSize = 1, .rotScaleParam = 31},
                               "000000000000",
                               "000000000000",
                               {.doubleSize = 1, .rotScaleParam = 31}},
                              {"on keeps disable and flips",
                               {.objDisable = 1, .hFlip = 1, .vFlip = 1},
                               "01000000FFFF",
                               "01000000FFFF",
                               {.rotScale = 1,
                                .objDisable = 1,
                                .hFlip = 1,
                                .vFlip = 1,
                                .tileNumber = 1023,
                                .priority = 3,
                                .paletteNumber = 15}}});
}

TEST_F(DecodingThroughTheButton, WhatTheButtonsWriteTheyReadBack) {
    const FieldStates fields = {.yCoordinate = 17,
                                .objDisable = 1,
                                .mode = 2,
                                .colorsPalettes = 1,
                                .shape = 2,
                                .xCoordinate = 402,
                                .vFlip = 1,
                                .size = 10,
                                .tileNumber = 999,
                                .priority = 1,
                                .paletteNumber = 9};
    ASSERT_TRUE(EnterFieldStates(program, fields));
    const std::string entry = EncodeWithTheButton(program);
    ASSERT_TRUE(EnterFieldStates(program, {}));
    ASSERT_TRUE(TypeInto(program, OamValueField, entry));
    PressGetAttributes(program);
    WaitUntil([&] { return ReadFieldStates(program) == fields; });
    EXPECT_EQ(ReadFieldStates(program), fields) << "entry " << entry;
}

} // namespace
