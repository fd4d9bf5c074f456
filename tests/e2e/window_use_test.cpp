// The program used with real clicks and key strokes: one entry encoded and one decoded through
// the buttons, the error box holding the window, arrow keys in an open list and Tab. The rules
// behind each are the behaviour suite's; here the platform delivers what a person does.
#include "tests/e2e/buttons.h"
#include "tests/e2e/field_states.h"
#include "tests/e2e/input.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/screenshot.h"
#include "tests/e2e/wait.h"

#include <string>
#include <vector>

namespace {

using ThroughTheButtons = ProgramGroup;
using Keyboard = ProgramGroup;

// The tile number is typed with all four digits.
TEST_F(ThroughTheButtons, AnEntryIsEncoded) {
    ASSERT_TRUE(EnterFieldStates(program, {.yCoordinate = 100,
                                           .mode = 1,
                                           .mosaic = 1,
                                           .colorsPalettes = 1,
                                           .shape = 1,
                                           .xCoordinate = 300,
                                           .hFlip = 1,
                                           .size = 6,
                                           .tileNumber = 1023,
                                           .priority = 2,
                                           .paletteNumber = 5}));
    EXPECT_EQ(EncodeWithTheButton(program), "7464912C5BFF");
}

TEST_F(ThroughTheButtons, AnEntryIsDecoded) {
    const FieldStates decoded = {.yCoordinate = 255,
                                 .rotScale = 1,
                                 .doubleSize = 1,
                                 .mosaic = 1,
                                 .colorsPalettes = 1,
                                 .xCoordinate = 511,
                                 .rotScaleParam = 21,
                                 .size = 3,
                                 .tileNumber = 1023,
                                 .priority = 3,
                                 .paletteNumber = 15};
    ASSERT_TRUE(EnterFieldStates(program, {}));
    ASSERT_TRUE(TypeInto(program, OamValueField, "33ffebffffff"));
    EXPECT_EQ(ControlText(program, OamValueField), "33FFEBFFFFFF");
    PressGetAttributes(program);
    WaitUntil([&] { return ReadFieldStates(program) == decoded; });
    EXPECT_EQ(ReadFieldStates(program), decoded);
    EXPECT_TRUE(ControlEnabled(program, RotScaleParamSpin));
    EXPECT_FALSE(ControlEnabled(program, HFlipCombo));
}

// Each click on the window would change what it shows, if the window took it.
TEST_F(ThroughTheButtons, TheErrorBoxHoldsTheWindowUntilOk) {
    const FieldStates chosen = {.yCoordinate = 77, .shape = 2, .size = 9, .tileNumber = 456};
    ASSERT_TRUE(EnterFieldStates(program, chosen));
    ASSERT_TRUE(TypeInto(program, OamValueField, "0123456789ABC"));
    PressGetAttributes(program);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(program)) != nullptr; }));
    WaitUntil([box] { return GetForegroundWindow() == box; });
    EXPECT_TRUE(SaveScreenshot(program, ScreenshotPath("error-box.png")));
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.title, "Error");
    EXPECT_EQ(view.text, "This is not a valid 6 bytes OAM");
    EXPECT_EQ(view.buttons, std::vector<std::string>{"OK"});
    EXPECT_FALSE(IsWindowEnabled(program.window));
    ClickControl(program, CalculateOamButton);
    ClickSpinArrow(program, YCoordinateSpin, true);
    EXPECT_EQ(MessageBoxOf(program), box) << "the box is still up";

    ClickAt(CentreOf(MessageBoxButton(box, "OK")));
    ASSERT_TRUE(WaitUntil([] { return MessageBoxOf(program) == nullptr; }));
    EXPECT_TRUE(IsWindowEnabled(program.window));
    EXPECT_EQ(ReadFieldStates(program), chosen);
    EXPECT_EQ(ControlText(program, OamValueField), "0123456789ABC");
}

// The interlock follows each step of the arrow keys while the list is still open.
TEST_F(Keyboard, ArrowKeysInAnOpenListTakeEffectBeforeItCloses) {
    ASSERT_TRUE(OpenListWithMouse(program, RotScaleCombo));
    ASSERT_TRUE(StepListWithArrowKey(program, RotScaleCombo, true));
    EXPECT_TRUE(WaitUntil([] { return ControlEnabled(program, DoubleSizeCombo); }));
    EXPECT_FALSE(ControlEnabled(program, HFlipCombo));
    EXPECT_TRUE(ListIsOpen(program, RotScaleCombo));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return !ListIsOpen(program, RotScaleCombo); }));
    EXPECT_EQ(ListSelection(program, RotScaleCombo), 1);
}

// Creation order, without labels, frames and the controls that rotation/scaling disables, and
// round to the first again.
TEST_F(Keyboard, TabVisitsTheEnabledControlsInCreationOrder) {
    ASSERT_TRUE(EnterFieldStates(program, {}));
    const std::vector<ControlId> expected = {
        GetAttributesButton, CalculateOamButton, YCoordinateSpin, RotScaleCombo,
        ObjDisableCombo,     ObjModeCombo,       ObjMosaicCombo,  ColorsPalettesCombo,
        ObjShapeCombo,       XCoordinateSpin,    HFlipCombo,      VFlipCombo,
        ObjSizeCombo,        TileNumberSpin,     PriorityCombo,   PaletteNumberSpin,
        OamValueField};
    ASSERT_TRUE(ClickControl(program, OamValueField));
    ASSERT_TRUE(WaitUntil([] { return FocusedControl(program) == OamValueField; }));
    std::vector<ControlId> visited;
    for (std::size_t press = 0; press < expected.size(); ++press) {
        const ControlId before = FocusedControl(program);
        PressKey(VK_TAB);
        WaitUntil([&] { return FocusedControl(program) != before; });
        visited.push_back(FocusedControl(program));
    }
    EXPECT_EQ(visited, expected);
}

} // namespace
