// The focused control is kept while the window is inactive and comes back with it.
#include "tests/support/user.h"
#include "tests/win32/layer_fixture.h"

#include <algorithm>

namespace {

TEST_F(Win32Window, TheFocusedControlComesBackWhenTheWindowIsActivatedAgain) {
    UserFocusControl(CalculateOamButton);
    const HWND other = OpenOtherWindow();
    SetForegroundWindow(other);
    Settle();
    ASSERT_NE(GetActiveWindow(), window);

    SetForegroundWindow(window);
    const std::vector<SeenEvent> seen = Settle();
    EXPECT_EQ(FocusedControl(), CalculateOamButton);
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(),
                            [](const SeenEvent& e) { return e.first == WindowActivatedEvent; }));
    DestroyWindow(other);
}

} // namespace
