// What the program relies on from the control layer, checked the same way on every layer.
#include "runtime/controls.h"
#include "tests/support/fresh_window.h"
#include "tests/support/user.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr ControlId List = 40;
constexpr ControlId Spin = 41;
constexpr ControlId Field = 42;
constexpr ControlId Button = 43;
constexpr ControlId Label = 44;
constexpr ControlId Frame = 45;
constexpr ControlId UpperField = 46;
constexpr ControlId Unused = 99;
constexpr std::int32_t SpinMaximum = 255;

// Other kinds of event (repaint, activation, platform messages) may come first on a real screen.
constexpr int PollsBeforeGivingUp = 10000;

class ControlLayer : public ::testing::Test {
  protected:
    // The list of three items, made again from nothing when it exists.
    static void MakeList() {
        ASSERT_TRUE(CreateDropDownList(List, 10, 10, 100, 20));
        for (const char* item : {"Zero", "One", "Two"}) {
            AddControlItem(List, -1, item);
        }
    }

    void SetUp() override {
        StartControls();
        ASSERT_TRUE(OpenMainWindow(MainWindow, 0, 0, 400, 300, "Contract",
                                   CaptionFlag | SystemMenuFlag | CentreOnScreenFlag));
        ASSERT_NO_FATAL_FAILURE(MakeList());
        EXPECT_EQ(GetControlState(List), -1) << "a new list has no selection";
        ASSERT_TRUE(CreateSpinField(Spin, 10, 40, 40, 20, 0, SpinMaximum, BuddyNumberFlag));
        ASSERT_TRUE(CreateTextField(Field, 10, 70, 110, 20, "start", 0));
        ASSERT_TRUE(CreateButton(Button, 130, 10, 100, 30, "Press"));
        ASSERT_TRUE(CreateTextLabel(Label, 130, 50, 100, 20, "Label : "));
        ASSERT_TRUE(CreateFrame(Frame, 5, 100, 200, 100, "Frame"));
        ASSERT_TRUE(CreateTextField(UpperField, 10, 130, 110, 20, "", UpperCaseFlag));
        EXPECT_EQ(DrainEvents(), 0) << "creating controls raises no events";
    }

    void TearDown() override { StopControls(); }

    // The controls named by the control events that come within a while, in their order.
    static std::vector<ControlId> ControlsOfComingEvents() {
        std::vector<ControlId> controls;
        for (int poll = 0; poll < PollsBeforeGivingUp; ++poll) {
            if (PollEvent() == ControlEvent) {
                controls.push_back(EventControl());
            }
        }
        return controls;
    }
};

TEST_F(ControlLayer, AListHoldsItsItemsWhereInsertedAndSelectsOnlyThem) {
    AddControlItem(List, 0, "in front");
    AddControlItem(List, 4, "at the end");
    AddControlItem(List, -2, "below -1");
    AddControlItem(List, 9, "beyond the end");
    EXPECT_EQ(ItemsOf(List), (std::vector<Text>{"in front", "Zero", "One", "Two", "at the end"}));
    const struct {
        std::int32_t selected, reads;
    } selections[] = {{4, 4}, {0, 0}, {5, -1}, {3, 3}, {-1, -1}};
    for (auto [selected, reads] : selections) {
        SetControlState(List, selected);
        EXPECT_EQ(GetControlState(List), reads) << "selecting " << selected;
    }
}

// The encoder and decoder read a list's selection by index, so an item put in before the selected
// one must move the selection with its item, not leave it on a neighbour.
TEST_F(ControlLayer, AListKeepsItsSelectedItemWhereverAnItemIsInserted) {
    const struct {
        std::int32_t selected, insertAt, reads;
    } insertions[] = {{1, 0, 2}, {1, 1, 2},  {1, 2, 1},   {1, 3, 1},   {1, -1, 1},  {0, 0, 1},
                      {2, 2, 3}, {2, -1, 2}, {-1, 0, -1}, {-1, 1, -1}, {-1, 3, -1}, {-1, -1, -1}};
    for (auto [selected, insertAt, reads] : insertions) {
        SCOPED_TRACE(testing::Message()
                     << "selected " << selected << ", inserting at " << insertAt);
        ASSERT_NO_FATAL_FAILURE(MakeList());
        SetControlState(List, selected);
        const Text selectedText = GetControlText(List);
        AddControlItem(List, insertAt, "new");
        EXPECT_EQ(ItemsOf(List).size(), 4u);
        EXPECT_EQ(GetControlState(List), reads);
        EXPECT_EQ(GetControlText(List), selectedText);
    }
    EXPECT_EQ(DrainEvents(), 0) << "inserting raises no events";
}

TEST_F(ControlLayer, ASpinFieldHoldsOnlyNumbersWithinItsRange) {
    const struct {
        std::int32_t set, reads;
        const char* shows;
    } numbers[] = {{42, 42, "42"}, {300, SpinMaximum, "255"}, {-1, 0, "0"}};
    for (auto [set, reads, shows] : numbers) {
        SetControlState(Spin, set);
        EXPECT_EQ(GetControlState(Spin), reads) << set;
        EXPECT_EQ(GetControlText(Spin), shows) << set;
    }
    // What is typed counts only when it is a number within the range; an empty field reads 0.
    const struct {
        const char* typed;
        std::int32_t reads;
    } typings[] = {{"17", 17}, {"300", 17}, {"x", 17}, {"", 0}};
    for (auto [typed, reads] : typings) {
        UserTypeText(Spin, typed);
        EXPECT_EQ(GetControlState(Spin), reads) << '"' << typed << '"';
        EXPECT_EQ(GetControlText(Spin), typed) << "the field shows what was typed";
    }
    ASSERT_TRUE(CreateSpinField(Spin, 10, 40, 40, 20, 5, 10, BuddyNumberFlag));
    SetControlState(Spin, 7);
    UserTypeText(Spin, "");
    EXPECT_EQ(GetControlState(Spin), 7) << "0 is outside this range";
}

TEST_F(ControlLayer, ASpinFieldsRangeChangesOneBoundAtATime) {
    SetControlAttribute(Spin, MinimumAttribute, 100);
    SetControlAttribute(Spin, MaximumAttribute + 1, 5);
    SetControlState(Spin, 0);
    EXPECT_EQ(GetControlState(Spin), 100);
    SetControlState(Spin, 300);
    EXPECT_EQ(GetControlState(Spin), SpinMaximum) << "the maximum was kept";
}

TEST_F(ControlLayer, ASpinFieldsArrowsStepWithinTheBoundsAndTellTheProgram) {
    for (auto [from, up] : {std::pair{SpinMaximum, true}, std::pair{0, false}}) {
        SetControlState(Spin, from);
        UserClickSpinArrow(Spin, up);
        DrainEvents();
        EXPECT_EQ(GetControlState(Spin), from);
    }
    UserClickSpinArrow(Spin, true);
    std::vector<ControlId> controls = ControlsOfComingEvents();
    EXPECT_NE(std::find(controls.begin(), controls.end(), Spin), controls.end());
    EXPECT_EQ(GetControlState(Spin), 1);
    EXPECT_EQ(GetControlText(Spin), "1");
}

TEST_F(ControlLayer, TextsAreReadAndReplacedWholeAndOnlyListsAndSpinsHaveAState) {
    for (auto [id, text] : {std::pair{Field, "start"}, std::pair{Label, "Label : "},
                            std::pair{Button, "Press"}, std::pair{Frame, "Frame"}}) {
        EXPECT_EQ(GetControlText(id), text);
        SetControlState(id, 5);
        EXPECT_EQ(GetControlState(id), 0) << "control " << id;
    }
    SetControlText(Field, "aBc 12");
    EXPECT_EQ(GetControlText(Field), "aBc 12");
    SetControlText(Field, nullptr);
    EXPECT_EQ(GetControlText(Field), "");
    SetControlText(UpperField, "7464abcdef0f");
    EXPECT_EQ(GetControlText(UpperField), "7464ABCDEF0F");
    UserTypeText(UpperField, "33ffeb");
    EXPECT_EQ(GetControlText(UpperField), "33FFEB");
}

TEST_F(ControlLayer, ControlsAreDisabledAndEnabled) {
    for (ControlId id : {List, Spin, Field, Button}) {
        DisableControl(id, 1);
        EXPECT_FALSE(IsControlEnabled(id)) << "control " << id;
        DisableControl(id, 0);
        EXPECT_TRUE(IsControlEnabled(id)) << "control " << id;
    }
}

TEST_F(ControlLayer, AFrameMadeAgainKeepsTheControlsInsideIt) {
    ASSERT_TRUE(CreateFrame(Frame, 5, 100, 200, 100, "Again"));
    SetControlText(UpperField, "kept");
    EXPECT_EQ(GetControlText(UpperField), "KEPT");
}

TEST_F(ControlLayer, ANumberThatNamesNoControlReadsEmptyAndChangesNothing) {
    SetControlState(List, 1);
    const std::vector<ControlPicture> before = PictureOfWindow(List, UpperField);
    for (ControlId id : {Unused, -1}) {
        SetControlState(id, 3);
        SetControlText(id, "text");
        DisableControl(id, 1);
        AddControlItem(id, -1, "item");
        SetControlAttribute(id, MaximumAttribute, 3);
        EXPECT_EQ(GetControlState(id), 0);
        EXPECT_EQ(GetControlText(id), "");
    }
    EXPECT_EQ(PictureOfWindow(List, UpperField), before);
    EXPECT_EQ(GetControlState(List), 1);
    EXPECT_EQ(ItemsOf(List).size(), 3u);
    // A new control takes the number over from the one that held it.
    ASSERT_TRUE(CreateTextLabel(List, 10, 10, 100, 20, "now a label"));
    EXPECT_EQ(GetControlState(List), 0);
    EXPECT_EQ(GetControlText(List), "now a label");
    EXPECT_TRUE(ItemsOf(List).empty());
}

TEST_F(ControlLayer, OnlyAPersonsActionsRaiseEventsAndEachNamesItsControl) {
    SetControlState(List, 2);
    SetControlState(Spin, 77);
    SetControlText(Field, "changed");
    SetControlText(UpperField, "abc");
    DisableControl(Button, 1);
    DisableControl(Button, 0);
    EXPECT_EQ(DrainEvents(), 0) << "the program's own changes";

    // A notification may come more than once (a changing text reports the update and the
    // change), but every one names the control acted on.
    auto onlyFrom = [](ControlId id, const std::vector<ControlId>& controls) {
        return !controls.empty() && std::count(controls.begin(), controls.end(), id) ==
                                        static_cast<std::ptrdiff_t>(controls.size());
    };
    UserPickItem(List, 1);
    EXPECT_TRUE(onlyFrom(List, ControlsOfComingEvents()));
    EXPECT_EQ(GetControlState(List), 1);
    UserTypeText(Field, "typed");
    EXPECT_TRUE(onlyFrom(Field, ControlsOfComingEvents()));
    UserPressButton(Button);
    const std::vector<ControlId> controls = ControlsOfComingEvents();
    ASSERT_FALSE(controls.empty());
    EXPECT_EQ(controls.back(), Button) << "the press is the last event of a click";
}

TEST_F(ControlLayer, NothingPendingAndPlatformMessagesKeepTheLastControl) {
    UserPickItem(List, 2);
    DrainEvents();
    ControlId last = EventControl();
    EXPECT_EQ(last, List);
    EXPECT_EQ(PollEvent(), NoEvent);
    EXPECT_EQ(EventControl(), last);
    UserFocusControl(Button);
    for (EventKind kind = PollEvent(); kind != NoEvent; kind = PollEvent()) {
        bool layersOwn = kind == ControlEvent || kind == CloseEvent || kind == WindowMovedEvent ||
                         kind == WindowSizedEvent || kind == WindowActivatedEvent ||
                         kind == RepaintEvent;
        if (!layersOwn) {
            EXPECT_EQ(EventControl(), last) << "after platform message " << kind;
        }
        last = EventControl();
    }
}

TEST_F(ControlLayer, ClosingTheWindowGivesOneCloseEvent) {
    UserCloseWindow();
    int closeEvents = 0;
    for (int poll = 0; poll < PollsBeforeGivingUp; ++poll) {
        if (PollEvent() == CloseEvent) {
            ++closeEvents;
            EXPECT_EQ(EventControl(), MainWindow);
        }
    }
    EXPECT_EQ(closeEvents, 1);
    EXPECT_EQ(GetControlText(Field), "start") << "the controls outlive the close event";
}

} // namespace
