// The "Error" box: what brings it up, what it says, that it holds the window while it is up, and
// that it leaves every field as it was.
#include "tests/e2e/buttons.h"
#include "tests/e2e/field_states.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/screenshot.h"
#include "tests/e2e/wait.h"

#include <string>
#include <vector>

namespace {

constexpr const char* ErrorTitle = "Error";
constexpr const char* ErrorText = "This is not a valid 6 bytes OAM";

// Fields away from their first items, so that a decoding that should not happen would show.
const FieldStates Chosen = {.yCoordinate = 77,
                            .mode = 2,
                            .mosaic = 1,
                            .shape = 2,
                            .xCoordinate = 123,
                            .vFlip = 1,
                            .size = 9,
                            .tileNumber = 456,
                            .priority = 1,
                            .paletteNumber = 3};

struct BadEntry {
    std::string name;
    std::string typed;
};

class ErrorBox : public ProgramGroup {
  protected:
    inline static bool screenshotTaken = false;

    static HWND WaitForTheBox() {
        HWND box = nullptr;
        WaitUntil([&] { return (box = MessageBoxOf(program)) != nullptr; });
        return box;
    }

    // Clicks the box's OK button and waits until the box is gone and the window has taken a
    // click again, so that anything the program did after the box would be over.
    static bool CloseWithOk(HWND box) {
        const HWND ok = MessageBoxButton(box, "OK");
        if (!ok) {
            return false;
        }
        ClickAt(CentreOf(ok));
        return WaitUntil([] { return MessageBoxOf(program) == nullptr; }) &&
               ClickControl(program, OamValueField) &&
               WaitUntil([] { return FocusedControl(program) == OamValueField; });
    }

    static void ExpectTheBoxAndNoChange(const BadEntry& entry) {
        SCOPED_TRACE(entry.name);
        ASSERT_TRUE(EnterFieldStates(program, Chosen));
        ASSERT_TRUE(TypeInto(program, OamValueField, entry.typed));
        const std::string shown = ControlText(program, OamValueField);
        PressGetAttributes(program);
        const HWND box = WaitForTheBox();
        ASSERT_NE(box, nullptr) << "no box for \"" << entry.typed << "\"";
        if (!screenshotTaken) {
            screenshotTaken = true;
            // Up in front, so that the picture shows it drawn over the window.
            WaitUntil([box] { return GetForegroundWindow() == box; });
            EXPECT_TRUE(SaveScreenshot(program, ScreenshotPath("error-box.png")));
        }
        const MessageBoxView view = ReadMessageBox(box);
        EXPECT_EQ(view.title, ErrorTitle);
        EXPECT_EQ(view.text, ErrorText);
        EXPECT_EQ(view.buttons, std::vector<std::string>{"OK"});
        EXPECT_EQ(MessageBoxesOf(program).size(), 1u);
        EXPECT_FALSE(IsWindowEnabled(program.window));
        ASSERT_TRUE(CloseWithOk(box));
        EXPECT_TRUE(IsWindowEnabled(program.window));
        EXPECT_EQ(ReadFieldStates(program), Chosen);
        EXPECT_EQ(ControlText(program, OamValueField), shown);
    }
};

TEST_F(ErrorBox, EntriesOfTheWrongLengthGetTheBoxAndChangeNothing) {
    for (const BadEntry& entry : std::vector<BadEntry>{
             {"empty", ""}, {"11 characters", "4464A12C595"}, {"13 characters", "4464A12C59550"}}) {
        ExpectTheBoxAndNoChange(entry);
    }
}

TEST_F(ErrorBox, TwelveCharactersNotAllHexDigitsGetTheBoxAndChangeNothing) {
    for (const BadEntry& entry :
         std::vector<BadEntry>{{"letters beyond F", "12G40000ZZZZ"},
                               {"a blank", "C0008000 7FF"},
                               {"a minus sign", "4464-12C5955"},
                               {"the letter O for a zero", "4464A12C59O5"}}) {
        ExpectTheBoxAndNoChange(entry);
    }
}

TEST_F(ErrorBox, WindowTakesNoInputWhileTheBoxIsUp) {
    ASSERT_TRUE(EnterFieldStates(program, Chosen));
    ASSERT_TRUE(TypeInto(program, OamValueField, "0"));
    PressGetAttributes(program);
    const HWND box = WaitForTheBox();
    ASSERT_NE(box, nullptr);
    // Each of these would change what the window shows, if the window took it.
    ClickControl(program, CalculateOamButton);
    ClickSpinArrow(program, YCoordinateSpin, true);
    ClickControl(program, RotScaleCombo);
    EXPECT_EQ(MessageBoxOf(program), box) << "the box is still up";
    ASSERT_TRUE(CloseWithOk(box));
    EXPECT_EQ(ControlText(program, OamValueField), "0");
    EXPECT_EQ(ReadFieldStates(program), Chosen);
    EXPECT_FALSE(ListIsOpen(program, RotScaleCombo));
}

TEST_F(ErrorBox, AfterOkTheButtonsWorkAgain) {
    ASSERT_TRUE(EnterFieldStates(program, Chosen));
    ASSERT_TRUE(TypeInto(program, OamValueField, "1234"));
    PressGetAttributes(program);
    const HWND box = WaitForTheBox();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(CloseWithOk(box));
    EXPECT_EQ(EncodeWithTheButton(program), "984D607B35C8");
}

} // namespace
