// The rules every layer takes from the shared control table: which label names a control to a
// screen reader, and how far a label may widen. The table holds the platform's objects only as
// handles, so plain addresses stand in for them here.
#include "runtime/control_table.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using enum ControlKind;

std::array<int, 16> objects{};

void Make(ControlId id, ControlKind kind, ControlBox box = {}) {
    RecordControl(id, &objects.at(static_cast<std::size_t>(id)), kind, box);
}

class ControlTable : public ::testing::Test {
  protected:
    void TearDown() override { ClearControlTable(); }
};

TEST_F(ControlTable, AFieldSpinOrListIsNamedByTheLabelMadeJustBeforeIt) {
    const struct {
        ControlKind kind;
        bool named;
    } cases[] = {{TextField, true}, {SpinField, true}, {DropDownList, true},
                 {Button, false},   {Frame, false},    {TextLabel, false}};
    for (const auto& c : cases) {
        Make(1, TextLabel);
        Make(2, c.kind);
        EXPECT_EQ(NamingLabel(2), c.named ? 1 : -1) << static_cast<int>(c.kind);
        EXPECT_EQ(ControlNamedBy(1), c.named ? 2 : -1) << static_cast<int>(c.kind);
        ClearControlTable();
    }
}

TEST_F(ControlTable, MakingAControlAgainMovesItToTheEndOfTheOrderAndRenamesWhatFollows) {
    Make(1, TextLabel);
    Make(2, TextField);
    Make(3, TextLabel);
    Make(4, DropDownList);
    Make(2, TextField); // now after label 3 and the list
    EXPECT_EQ(NamingLabel(2), -1);
    EXPECT_EQ(ControlNamedBy(1), -1);
    EXPECT_EQ(NamingLabel(4), 3);
    Make(5, TextLabel);
    Make(4, DropDownList); // the list follows label 5 now, and the field label 3
    EXPECT_EQ(NamingLabel(4), 5);
    EXPECT_EQ(NamingLabel(2), 3);
    EXPECT_EQ(ControlNamedBy(3), 2);
    EXPECT_EQ(ControlNamedBy(5), 4);
    EXPECT_EQ(NamingLabel(9), -1);
    EXPECT_EQ(ControlNamedBy(9), -1);
}

TEST_F(ControlTable, ALabelsNameLeavesOutTheColonAndBlanksDrawnAfterIt) {
    EXPECT_EQ(NameFromLabel("Y-Coordinate : "), "Y-Coordinate");
    EXPECT_EQ(NameFromLabel("Priority relative to BG  : "), "Priority relative to BG");
    EXPECT_EQ(NameFromLabel("No colon"), "No colon");
    EXPECT_EQ(NameFromLabel(" : "), "");
}

// A label at x=10, y=100, 50 wide and 20 high, in a 300-pixel window.
TEST_F(ControlTable, ALabelMayWidenUpToTheNextControlToItsRightOrItsFramesInnerEdge) {
    constexpr ControlBox Label{10, 100, 50, 20};
    const struct {
        const char* what;
        ControlKind kind;
        ControlBox other;
        int room;
    } cases[] = {
        {"nothing beside it", Button, {10, 200, 50, 20}, 290},
        {"a list to its right", DropDownList, {120, 100, 60, 20}, 110},
        {"a list one pixel past its bottom edge", DropDownList, {120, 120, 60, 20}, 290},
        {"a list reaching its top row", DropDownList, {120, 81, 60, 20}, 110},
        {"another label to its right, by its box", TextLabel, {70, 110, 30, 20}, 60},
        {"a control to its left", TextField, {0, 100, 8, 20}, 290},
        {"a frame around it", Frame, {5, 90, 200, 50}, 194},
    };
    for (const auto& c : cases) {
        Make(1, TextLabel, Label);
        Make(2, c.kind, c.other);
        EXPECT_EQ(LabelRoom(1, 300), c.room) << c.what;
        ClearControlTable();
    }
    EXPECT_EQ(LabelRoom(1, 300), 0) << "no such label";
}

} // namespace
