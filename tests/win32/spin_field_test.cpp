#include "tests/support/user.h"
#include "tests/win32/layer_fixture.h"

#include <commctrl.h>

namespace {

class SpinField : public Win32Layer {
  protected:
    static constexpr ControlId Spin = 33;
    static constexpr ControlId Next = 2;

    void SetUp() override {
        Win32Layer::SetUp();
        ASSERT_TRUE(CreateSpinField(Spin, 690, 120, 40, 20, 0, 1023, BuddyNumberFlag));
        ASSERT_TRUE(CreateButton(Next, 420, 30, 110, 30, "Get Attributes"));
        SetControlState(Spin, 0);
        Settle();
    }

    static HWND TextPart() { return ControlHandle(Spin); }
    static HWND ArrowsPart() { return FindControl(Spin)->arrows; }

    // Keys and clicks go through the thread's queue and PollEvent, as a person's do.
    static void Type(const char* digits) {
        SetFocus(TextPart());
        SendMessageA(TextPart(), EM_SETSEL, 0, -1);
        for (const char* c = digits; *c; ++c) {
            PostMessageA(TextPart(), WM_CHAR, static_cast<WPARAM>(*c), 0);
        }
        Settle();
    }

    static void Click(HWND target, int x, int y) {
        PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
};

TEST_F(SpinField, ItsNumberFieldAndArrowsSitSideBySide) {
    const RECT text = ClientRectOf(TextPart());
    const RECT arrows = ClientRectOf(ArrowsPart());
    EXPECT_EQ(text.left, 690);
    EXPECT_EQ(text.right, 720) << "40 wide, less half the height for the arrows";
    EXPECT_EQ(arrows.left, 720);
    EXPECT_EQ(arrows.right, 730);
    EXPECT_EQ(text.top, 120);
    EXPECT_EQ(arrows.top, 120);
    EXPECT_EQ(text.bottom, 140);
    EXPECT_EQ(arrows.bottom, 140);
}

TEST_F(SpinField, DisablingItGreysTheArrowsToo) {
    DisableControl(Spin, 1);
    EXPECT_FALSE(IsWindowEnabled(TextPart()));
    EXPECT_FALSE(IsWindowEnabled(ArrowsPart()));
    DisableControl(Spin, 0);
    EXPECT_TRUE(IsWindowEnabled(TextPart()));
    EXPECT_TRUE(IsWindowEnabled(ArrowsPart()));
}

TEST_F(SpinField, ReplacingItRemovesBothParts) {
    const HWND oldText = TextPart();
    const HWND oldArrows = ArrowsPart();
    ASSERT_TRUE(CreateTextLabel(Spin, 0, 0, 10, 10, "x"));
    EXPECT_FALSE(IsWindow(oldText));
    EXPECT_FALSE(IsWindow(oldArrows));
}

TEST_F(SpinField, TakesEveryDigitOfItsLargestNumber) {
    Type("1000");
    EXPECT_EQ(GetControlText(Spin), "1000");
    EXPECT_EQ(GetControlState(Spin), 1000);
}

TEST_F(SpinField, ShowsItsNumberAgainWhenTabLeavesIt) {
    SetControlState(Spin, 42);
    Type("3000");
    ASSERT_EQ(GetControlText(Spin), "3000");
    PostMessageA(TextPart(), WM_KEYDOWN, VK_TAB, 0);
    Settle();
    EXPECT_NE(GetFocus(), TextPart());
    EXPECT_EQ(GetControlText(Spin), "42");
    EXPECT_EQ(GetControlState(Spin), 42);
}

TEST_F(SpinField, IsPutRightBeforeTheButtonClickedAwayFromItReacts) {
    SetControlState(Spin, 42);
    Type("3000");
    Click(ControlHandle(Next), 5, 5);
    // The loop reacts to the button's event; by then the field must show what will be encoded.
    Text shownAtPress;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 1000 && shownAtPress.empty()) {
        if (PollEvent() == ControlEvent && EventControl() == Next) {
            shownAtPress = GetControlText(Spin);
        }
    }
    EXPECT_EQ(shownAtPress, "42");
}

TEST_F(SpinField, TheArrowKeysStepWithinTheRange) {
    SetControlState(Spin, 1023);
    SetFocus(TextPart());
    PostMessageA(TextPart(), WM_KEYDOWN, VK_UP, 0);
    Settle();
    EXPECT_EQ(GetControlState(Spin), 1023);
    PostMessageA(TextPart(), WM_KEYDOWN, VK_DOWN, 0);
    Settle();
    EXPECT_EQ(GetControlState(Spin), 1022);
    EXPECT_EQ(GetControlText(Spin), "1022");
}

} // namespace
