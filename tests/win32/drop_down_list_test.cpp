#include "tests/win32/layer_fixture.h"

namespace {

using DropDownList = Win32Layer;

constexpr ControlId List = 31;

TEST_F(DropDownList, IsExactlyAsTallAsAskedWhenClosed) {
    for (int height : {20, 24, 30}) {
        ASSERT_TRUE(CreateDropDownList(List, 420, 330, 70, height));
        RECT outer;
        GetWindowRect(ControlHandle(List), &outer);
        EXPECT_EQ(outer.bottom - outer.top, height);
        EXPECT_EQ(outer.right - outer.left, 70);
    }
}

TEST_F(DropDownList, APickFromTheKeyboardIsOneControlEvent) {
    ASSERT_TRUE(CreateDropDownList(List, 420, 10, 70, 20));
    for (const char* item : {"Square", "Horizontal", "Vertical"}) {
        AddControlItem(List, -1, item);
    }
    SetControlState(List, 0);
    SetFocus(ControlHandle(List));
    Settle();
    // A key the list gets through the message queue, as a person's would.
    PostMessageA(ControlHandle(List), WM_KEYDOWN, VK_DOWN, 0);
    const std::vector<SeenEvent> seen = Settle();
    EXPECT_EQ(ControlEventsFrom(seen, List), 1) << "the notifications of one key make one event";
    EXPECT_EQ(GetControlState(List), 1);
}

TEST_F(DropDownList, AcceptsNoTypedText) {
    ASSERT_TRUE(CreateDropDownList(List, 420, 10, 70, 20));
    AddControlItem(List, -1, "Normal");
    SetControlState(List, 0);
    SetFocus(ControlHandle(List));
    PostMessageA(ControlHandle(List), WM_CHAR, 'x', 0);
    Settle();
    EXPECT_EQ(GetControlText(List), "Normal");
    EXPECT_EQ(GetControlState(List), 0);
}

} // namespace
