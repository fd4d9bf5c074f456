#include "tests/support/win32/windows_seen.h"
#include "tests/win32/layer_fixture.h"

#include <string>

namespace {

struct BoxAsSeen {
    DWORD uiThread = 0;
    HWND mainWindow = nullptr;
    HWND otherWindow = nullptr;
    bool found = false;
    std::string title;
    std::string text;
    int buttons = 0;
    HWND owner = nullptr;
    bool mainEnabled = true;
    bool otherEnabled = true;
    bool closedByOk = false;
};

BOOL CALLBACK CountButton(HWND child, LPARAM count) {
    if (HasClass(child, "Button") && IsWindowVisible(child)) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

// Plays the person in front of the box: looks at it, then presses its OK button.
DWORD WINAPI PressOkWhenTheBoxIsUp(LPVOID parameter) {
    auto& seen = *static_cast<BoxAsSeen*>(parameter);
    HWND box = nullptr;
    for (int tries = 0; tries < 250 && !box; ++tries) {
        Sleep(20);
        box = VisibleWindowOf(seen.uiThread, true);
    }
    if (!box) {
        return 0;
    }
    Sleep(100); // let the box finish opening
    seen.found = true;
    seen.title = WindowTextOf(box);
    seen.text = WindowTextOf(GetDlgItem(box, MessageBoxTextId));
    EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&seen.buttons));
    seen.owner = GetWindow(box, GW_OWNER);
    seen.mainEnabled = IsWindowEnabled(seen.mainWindow);
    seen.otherEnabled = IsWindowEnabled(seen.otherWindow);

    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    for (int tries = 0; tries < 100 && IsWindow(box); ++tries) {
        Sleep(20);
    }
    seen.closedByOk = !IsWindow(box);
    if (!seen.closedByOk) {
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0); // do not leave the test hanging
    }
    return 0;
}

using MessageBoxTest = Win32Layer;

TEST_F(MessageBoxTest, TakesAllInputUntilOkIsPressed) {
    const HWND other = CreateWindowExA(0, "Static", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                       200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(window);
    Settle();
    ASSERT_EQ(GetForegroundWindow(), window);

    BoxAsSeen seen;
    seen.uiThread = GetCurrentThreadId();
    seen.mainWindow = window;
    seen.otherWindow = other;
    const HANDLE person = CreateThread(nullptr, 0, PressOkWhenTheBoxIsUp, &seen, 0, nullptr);
    ASSERT_NE(person, nullptr);
    const std::int32_t answer =
        ShowMessage("Error", "This is not a valid 6 bytes OAM", PlainMessageFlags);
    WaitForSingleObject(person, INFINITE);
    CloseHandle(person);

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, "Error");
    EXPECT_EQ(seen.text, "This is not a valid 6 bytes OAM");
    EXPECT_EQ(seen.buttons, 1) << "a single OK button";
    EXPECT_EQ(seen.owner, window);
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_FALSE(seen.otherEnabled) << "no window of the program takes input";
    EXPECT_TRUE(seen.closedByOk);
    EXPECT_EQ(answer, OkAnswer);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_TRUE(IsWindowEnabled(other)) << "enabled again once the box is gone";
    DestroyWindow(other);
}

} // namespace
