#include "tests/support/user.h"
#include "tests/win32/layer_fixture.h"

namespace {

class KeyboardFocus : public Win32Layer {
  protected:
    void SetUp() override {
        Win32Layer::SetUp();
        // Numbers out of creation order on purpose: Tab follows creation, not numbers.
        ASSERT_TRUE(CreateTextLabel(0, 130, 40, 130, 20, "OAM Value (6 bytes Hex) : "));
        ASSERT_TRUE(CreateTextField(1, 290, 40, 110, 20, "", UpperCaseFlag));
        ASSERT_TRUE(CreateButton(6, 540, 30, 110, 30, "Calculate OAM"));
        ASSERT_TRUE(CreateButton(2, 420, 30, 110, 30, "Get Attributes"));
        ASSERT_TRUE(CreateFrame(3, 20, 90, 260, 280, "OBJ Attribute 0"));
        ASSERT_TRUE(CreateSpinField(15, 150, 120, 40, 20, 0, 255, BuddyNumberFlag));
        ASSERT_TRUE(CreateDropDownList(16, 150, 150, 50, 20));
        ASSERT_TRUE(CreateDropDownList(17, 150, 180, 60, 20));
        ASSERT_TRUE(CreateSpinField(37, 420, 170, 40, 20, 0, 31, BuddyNumberFlag));
        DisableControl(17, 1);
        DisableControl(37, 1);
        SetForegroundWindow(window);
        Settle();
    }

    static void PressTab(bool withShift) {
        UserPressTab(withShift);
        Settle();
    }

    static ControlId Focused() {
        const HWND focus = GetFocus();
        return focus && focus != GetAncestor(focus, GA_ROOT) ? GetDlgCtrlID(focus) : -1;
    }
};

TEST_F(KeyboardFocus, StartsWithNoControlFocused) {
    EXPECT_EQ(Focused(), -1);
    EXPECT_EQ(GetActiveWindow(), window);
}

TEST_F(KeyboardFocus, TabMovesOnFromAControlDisabledWhileFocused) {
    SetFocus(ControlHandle(2));
    DisableControl(2, 1);
    PressTab(false);
    EXPECT_EQ(Focused(), 1) << "disabling dropped the focus, so Tab starts again from the first";
    DisableControl(2, 0);
}

TEST_F(KeyboardFocus, ComesBackToTheSameControlWhenTheWindowIsActivatedAgain) {
    SetFocus(ControlHandle(2));
    const HWND other = CreateWindowExA(0, "Static", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                       200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    SetActiveWindow(other);
    Settle();
    ASSERT_NE(GetActiveWindow(), window);

    SetForegroundWindow(window);
    SetActiveWindow(window);
    const std::vector<SeenEvent> seen = Settle();
    EXPECT_EQ(Focused(), 2);
    bool activated = false;
    for (const SeenEvent& event : seen) {
        activated = activated || event.kind == WindowActivatedEvent;
    }
    EXPECT_TRUE(activated);
    DestroyWindow(other);
}

} // namespace
