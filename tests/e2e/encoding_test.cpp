// "Calculate OAM" as a person uses it: fields set with the mouse and the keyboard, the button
// clicked, the entry text read from the field.
#include "tests/e2e/buttons.h"
#include "tests/e2e/field_states.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/wait.h"

#include <string>
#include <vector>

namespace {

struct EncodeCase {
    std::string name;
    FieldStates fields;
    std::string entry;
};

using EncodingThroughTheButton = ProgramGroup;

void ExpectEncodings(const Program& program, const std::vector<EncodeCase>& cases) {
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(EnterFieldStates(program, c.fields));
        EXPECT_EQ(EncodeWithTheButton(program), c.entry);
    }
}

TEST_F(EncodingThroughTheButton, FieldsAsTheProgramStartsGiveTwelveZeros) {
    EXPECT_EQ(EncodeWithTheButton(program), "000000000000");
}

TEST_F(EncodingThroughTheButton, WorkedExamplesComeOutAsWritten) {
    ExpectEncodings(program, {{"rotation/scaling off",
                               {.yCoordinate = 100,
                                .mode = 1,
                                .mosaic = 1,
                                .colorsPalettes = 1,
                                .shape = 1,
                                .xCoordinate = 300,
                                .hFlip = 1,
                                .size = 6,
                                .tileNumber = 513,
                                .priority = 2,
                                .paletteNumber = 5},
                               "7464912C5A01"},
                              {"rotation/scaling on",
                               {.rotScale = 1,
                                .doubleSize = 1,
                                .xCoordinate = 511,
                                .rotScaleParam = 31,
                                .size = 3,
                                .paletteNumber = 15},
                               "0300FFFFF000"}});
}

TEST_F(EncodingThroughTheButton, EveryFieldAtItsMaximumFillsEveryBit) {
    ExpectEncodings(program, {{"every field at its maximum",
                               {.yCoordinate = 255,
                                .objDisable = 1,
                                .mode = 3,
                                .mosaic = 1,
                                .colorsPalettes = 1,
                                .shape = 3,
                                .xCoordinate = 511,
                                .hFlip = 1,
                                .vFlip = 1,
                                .size = 11,
                                .tileNumber = 1023,
                                .priority = 3,
                                .paletteNumber = 15},
                               "FEFFF1FFFFFF"}});
}

// The fields that share bits with rotation/scaling count only on their own side of it.
TEST_F(EncodingThroughTheButton, OnlyTheFieldsOfTheChosenRotationScalingSideCount) {
    ExpectEncodings(program, {{"off: double size and parameter set but left out",
                               {.doubleSize = 1, .rotScaleParam = 31},
                               "000000000000"},
                              {"on: disable and flips set but left out",
                               {.rotScale = 1, .objDisable = 1, .hFlip = 1, .vFlip = 1},
                               "010000000000"},
                              {"on: the parameter fills the flips' bits",
                               {.rotScale = 1, .rotScaleParam = 21},
                               "01002A000000"}});
}

TEST_F(EncodingThroughTheButton, ShapeComesFromTheShapeListAndSizeFromTheSizeList) {
    ExpectEncodings(program,
                    {{"prohibited shape with 64 x 32", {.shape = 3, .size = 7}, "C000C0000000"}});
}

TEST_F(EncodingThroughTheButton, TypedTextIsReplacedAndPressingAgainGivesTheSame) {
    ASSERT_TRUE(EnterFieldStates(program, {.yCoordinate = 1, .tileNumber = 2}));
    ASSERT_TRUE(TypeInto(program, OamValueField, "FFFFFFFFFFFF"));
    ClickControl(program, CalculateOamButton);
    EXPECT_TRUE(WaitUntil([] { return ControlText(program, OamValueField) == "000100000002"; }))
        << ControlText(program, OamValueField);
    EXPECT_EQ(EncodeWithTheButton(program), "000100000002");
}

// An accessibility tool or an automation script presses a button by sending it a click from its
// own process, which reaches the program while it waits for input.
TEST_F(EncodingThroughTheButton, ClickSentByAnotherProgramIsNotLost) {
    ASSERT_TRUE(EnterFieldStates(program, {.xCoordinate = 3}));
    ASSERT_TRUE(TypeInto(program, OamValueField, "X"));
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(ControlWindow(program, CalculateOamButton), BM_CLICK, 0, 0,
                                    SMTO_ABORTIFHUNG, DefaultTimeoutMs, &ignored));
    WaitUntil([] { return ControlText(program, OamValueField) != "X"; });
    EXPECT_EQ(ControlText(program, OamValueField), "000000030000");
}

} // namespace
