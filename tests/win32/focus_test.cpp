// The focused control is kept while the window is inactive and comes back with it; taken away by
// the program's own greying, it goes silently.
#include "tests/support/user.h"
#include "tests/win32/layer_fixture.h"

#include <algorithm>

namespace {

TEST_F(Win32Window, TheFocusedControlComesBackWithTheWindowAndLeavesSilentlyWhenGreyed) {
    UserFocusControl(OamValueField);
    const HWND other = OpenOtherWindow();
    SetForegroundWindow(other);
    Settle();
    ASSERT_NE(GetActiveWindow(), window);

    SetForegroundWindow(window);
    const std::vector<SeenEvent> seen = Settle();
    EXPECT_EQ(FocusedControl(), OamValueField);
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(),
                            [](const SeenEvent& e) { return e.first == WindowActivatedEvent; }));
    DestroyWindow(other);

    // Greying the focused field takes the focus from it, and that raises nothing: the change is
    // the program's own.
    DisableControl(OamValueField, 1);
    const std::vector<SeenEvent> greyed = Settle();
    EXPECT_EQ(std::count(greyed.begin(), greyed.end(), SeenEvent{ControlEvent, OamValueField}), 0);
}

} // namespace
