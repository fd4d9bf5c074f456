// What the program relies on from the control layer, checked the same way against the in-memory
// layer and, under Wine, against the Win32 one.
#include "runtime/controls.h"
#include "tests/support/user.h"
#include "tests/support/window_picture.h"

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

// Other kinds of event (repaint, activation, platform messages) may come first on a real screen.
constexpr int PollsBeforeGivingUp = 10000;

class ControlLayer : public ::testing::Test {
  protected:
    void SetUp() override {
        StartControls();
        ASSERT_TRUE(OpenMainWindow(MainWindow, 0, 0, 400, 300, "Contract",
                                   CaptionFlag | SystemMenuFlag | CentreOnScreenFlag));
        ASSERT_TRUE(CreateDropDownList(List, 10, 10, 100, 20));
        ASSERT_TRUE(CreateSpinField(Spin, 10, 40, 40, 20, 0, 255, BuddyNumberFlag));
        ASSERT_TRUE(CreateTextField(Field, 10, 70, 110, 20, "start", 0));
        ASSERT_TRUE(CreateButton(Button, 130, 10, 100, 30, "Press"));
        ASSERT_TRUE(CreateTextLabel(Label, 130, 50, 100, 20, "Label : "));
        ASSERT_TRUE(CreateFrame(Frame, 5, 100, 200, 100, "Frame"));
        ASSERT_TRUE(CreateTextField(UpperField, 10, 130, 110, 20, "", UpperCaseFlag));
        for (const char* item : {"Zero", "One", "Two"}) {
            AddControlItem(List, -1, item);
        }
        EXPECT_EQ(DrainEvents(), 0) << "creating controls raises no events";
    }

    void TearDown() override { StopControls(); }

    // The next control event, or NoEvent when none comes.
    static EventKind NextControlEvent() {
        for (int poll = 0; poll < PollsBeforeGivingUp; ++poll) {
            if (PollEvent() == ControlEvent) {
                return ControlEvent;
            }
        }
        return NoEvent;
    }

    // The controls of the control events pending, in the order they come.
    static std::vector<ControlId> ControlsOfPendingEvents() {
        std::vector<ControlId> controls;
        for (EventKind kind = PollEvent(); kind != NoEvent; kind = PollEvent()) {
            if (kind == ControlEvent) {
                controls.push_back(EventControl());
            }
        }
        return controls;
    }
};

TEST_F(ControlLayer, AListSelectsOnlyItsOwnItems) {
    ASSERT_TRUE(CreateDropDownList(List, 10, 10, 100, 20));
    EXPECT_EQ(GetControlState(List), -1) << "a new list has no selection";
    for (const char* item : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"}) {
        AddControlItem(List, -1, item);
    }
    SetControlState(List, 11);
    EXPECT_EQ(GetControlState(List), 11);
    SetControlState(List, 0);
    EXPECT_EQ(GetControlState(List), 0);
    SetControlState(List, 12);
    EXPECT_EQ(GetControlState(List), -1) << "an index equal to the count clears the selection";
    SetControlState(List, 3);
    SetControlState(List, -1);
    EXPECT_EQ(GetControlState(List), -1);
}

TEST_F(ControlLayer, AListKeepsItsItemsWhereTheyWereInserted) {
    ASSERT_TRUE(CreateDropDownList(List, 10, 10, 100, 20));
    AddControlItem(List, 0, "first");
    AddControlItem(List, 1, "second");
    AddControlItem(List, 2, "third");
    AddControlItem(List, 3, "fourth");
    EXPECT_EQ(ItemsOf(List), (std::vector<Text>{"first", "second", "third", "fourth"}));
    AddControlItem(List, -1, "appended");
    AddControlItem(List, 0, "in front");
    AddControlItem(List, -2, "below -1");
    AddControlItem(List, 9, "beyond the end");
    EXPECT_EQ(ItemsOf(List),
              (std::vector<Text>{"in front", "first", "second", "third", "fourth", "appended"}));
}

TEST_F(ControlLayer, ASpinFieldStaysWithinItsRange) {
    SetControlState(Spin, 42);
    EXPECT_EQ(GetControlState(Spin), 42);
    EXPECT_EQ(GetControlText(Spin), "42");
    SetControlState(Spin, 300);
    EXPECT_EQ(GetControlState(Spin), 255);
    EXPECT_EQ(GetControlText(Spin), "255");
    SetControlState(Spin, -1);
    EXPECT_EQ(GetControlState(Spin), 0);
    EXPECT_EQ(GetControlText(Spin), "0");
}

TEST_F(ControlLayer, ASpinFieldTakesOnlyTypedNumbersWithinItsRange) {
    SetControlState(Spin, 42);
    UserTypeText(Spin, "300");
    EXPECT_EQ(GetControlState(Spin), 42);
    EXPECT_EQ(GetControlText(Spin), "300") << "the field still shows what was typed";
    UserTypeText(Spin, "17");
    EXPECT_EQ(GetControlState(Spin), 17);
    UserTypeText(Spin, "x");
    EXPECT_EQ(GetControlState(Spin), 17);
}

TEST_F(ControlLayer, AnEmptiedSpinFieldReadsZeroOnlyWhereZeroIsInItsRange) {
    SetControlState(Spin, 42);
    UserTypeText(Spin, "");
    EXPECT_EQ(GetControlState(Spin), 0);
    ASSERT_TRUE(CreateSpinField(Spin, 10, 40, 40, 20, 5, 10, BuddyNumberFlag));
    SetControlState(Spin, 7);
    UserTypeText(Spin, "");
    EXPECT_EQ(GetControlState(Spin), 7);
}

TEST_F(ControlLayer, ASpinFieldShowsItsNumberAgainWhenItLosesTheFocus) {
    SetControlState(Spin, 42);
    UserFocusControl(Spin);
    UserTypeText(Spin, "300");
    UserFocusControl(Field);
    DrainEvents();
    EXPECT_EQ(GetControlText(Spin), "42");
    EXPECT_EQ(GetControlState(Spin), 42);
}

TEST_F(ControlLayer, ASpinFieldsRangeChangesOneBoundAtATime) {
    ASSERT_TRUE(CreateSpinField(Spin, 10, 40, 40, 20, 0, 10, BuddyNumberFlag));
    SetControlAttribute(Spin, MaximumAttribute, 255);
    SetControlAttribute(Spin, MinimumAttribute, 0);
    SetControlAttribute(Spin, 3, 5);
    SetControlState(Spin, 300);
    EXPECT_EQ(GetControlState(Spin), 255);
    SetControlAttribute(Spin, MinimumAttribute, 100);
    SetControlState(Spin, 0);
    EXPECT_EQ(GetControlState(Spin), 100);
    SetControlState(Spin, 300);
    EXPECT_EQ(GetControlState(Spin), 255) << "the maximum was kept";
}

TEST_F(ControlLayer, ASpinFieldsArrowsStopAtTheBounds) {
    SetControlState(Spin, 255);
    UserClickSpinArrow(Spin, true);
    DrainEvents();
    EXPECT_EQ(GetControlState(Spin), 255);
    SetControlState(Spin, 0);
    UserClickSpinArrow(Spin, false);
    DrainEvents();
    EXPECT_EQ(GetControlState(Spin), 0);
    UserClickSpinArrow(Spin, true);
    EXPECT_EQ(NextControlEvent(), ControlEvent);
    EXPECT_EQ(EventControl(), Spin);
    DrainEvents();
    EXPECT_EQ(GetControlState(Spin), 1);
    EXPECT_EQ(GetControlText(Spin), "1");
}

TEST_F(ControlLayer, TextsAreReadAndReplacedWhole) {
    EXPECT_EQ(GetControlText(Field), "start");
    EXPECT_EQ(GetControlText(Label), "Label : ");
    EXPECT_EQ(GetControlText(Button), "Press");
    EXPECT_EQ(GetControlText(Frame), "Frame");
    SetControlText(Field, "aBc 12");
    EXPECT_EQ(GetControlText(Field), "aBc 12");
    SetControlText(Field, nullptr);
    EXPECT_EQ(GetControlText(Field), "");
    SetControlText(UpperField, "7464abcdef0f");
    EXPECT_EQ(GetControlText(UpperField), "7464ABCDEF0F");
    UserTypeText(UpperField, "33ffeb");
    EXPECT_EQ(GetControlText(UpperField), "33FFEB");
}

TEST_F(ControlLayer, KindsWithoutAStateReadZero) {
    for (ControlId id : {Field, Button, Label, Frame}) {
        SetControlState(id, 5);
        EXPECT_EQ(GetControlState(id), 0) << "control " << id;
    }
}

TEST_F(ControlLayer, DisablingAndEnabling) {
    for (ControlId id : {List, Spin, Field, Button}) {
        DisableControl(id, 1);
        EXPECT_FALSE(IsControlEnabled(id)) << "control " << id;
        DisableControl(id, 0);
        EXPECT_TRUE(IsControlEnabled(id)) << "control " << id;
    }
}

TEST_F(ControlLayer, ANumberThatNamesNoControlReadsEmptyAndChangesNothing) {
    SetControlState(List, 1);
    SetControlState(Spin, 9);
    for (ControlId id : {Unused, -1}) {
        SetControlState(id, 3);
        SetControlText(id, "text");
        DisableControl(id, 1);
        AddControlItem(id, -1, "item");
        SetControlAttribute(id, MaximumAttribute, 3);
        EXPECT_EQ(GetControlState(id), 0);
        EXPECT_EQ(GetControlText(id), "");
    }
    EXPECT_EQ(GetControlState(List), 1);
    EXPECT_EQ(GetControlState(Spin), 9);
    EXPECT_EQ(GetControlText(Field), "start");
    EXPECT_EQ(ControlItemCount(List), 3);
    for (ControlId id : {List, Spin, Field, Button}) {
        EXPECT_TRUE(IsControlEnabled(id));
    }
}

TEST_F(ControlLayer, ANewControlReplacesTheOneUnderItsNumber) {
    SetControlState(List, 2);
    ASSERT_TRUE(CreateTextLabel(List, 10, 10, 100, 20, "now a label"));
    EXPECT_EQ(GetControlState(List), 0);
    EXPECT_EQ(GetControlText(List), "now a label");
    EXPECT_EQ(ControlItemCount(List), 0);
}

TEST_F(ControlLayer, TheProgramsOwnChangesRaiseNoEvents) {
    SetControlState(List, 2);
    SetControlState(Spin, 77);
    SetControlText(Field, "changed");
    SetControlText(UpperField, "abc");
    DisableControl(Button, 1);
    DisableControl(Button, 0);
    EXPECT_EQ(DrainEvents(), 0);
}

TEST_F(ControlLayer, APersonsActionsRaiseControlEvents) {
    // A notification may come more than once (a changing text reports the update and the
    // change), but every one names the control acted on.
    auto onlyFrom = [](ControlId id, const std::vector<ControlId>& controls) {
        return !controls.empty() &&
               std::all_of(controls.begin(), controls.end(), [id](ControlId c) { return c == id; });
    };
    UserPickItem(List, 1);
    EXPECT_TRUE(onlyFrom(List, ControlsOfPendingEvents()));
    EXPECT_EQ(GetControlState(List), 1);

    UserTypeText(Field, "typed");
    EXPECT_TRUE(onlyFrom(Field, ControlsOfPendingEvents()));

    UserPressButton(Button);
    std::vector<ControlId> controls = ControlsOfPendingEvents();
    ASSERT_FALSE(controls.empty());
    EXPECT_EQ(controls.back(), Button) << "the press is the last event of a click";
}

TEST_F(ControlLayer, NothingPendingGivesNoEventAndKeepsTheLastControl) {
    UserPickItem(List, 2);
    EXPECT_EQ(NextControlEvent(), ControlEvent);
    DrainEvents();
    ControlId last = EventControl();
    EXPECT_EQ(PollEvent(), NoEvent);
    EXPECT_EQ(EventControl(), last);
    // A platform message that raised no event of the layer's own leaves the control as it was.
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
