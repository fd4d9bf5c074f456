#include "tests/support/user.h"
#include "tests/win32/layer_fixture.h"

namespace {

class PlatformEvents : public Win32Layer {
  protected:
    static constexpr ControlId Button = 2;
    static constexpr ControlId Field = 1;
    static constexpr ControlId Spin = 15;
    static constexpr ControlId List = 16;

    void SetUp() override {
        Win32Layer::SetUp();
        ASSERT_TRUE(CreateTextField(Field, 290, 40, 110, 20, "", UpperCaseFlag));
        ASSERT_TRUE(CreateButton(Button, 420, 30, 110, 30, "Get Attributes"));
        ASSERT_TRUE(CreateSpinField(Spin, 150, 120, 40, 20, 0, 255, BuddyNumberFlag));
        ASSERT_TRUE(CreateDropDownList(List, 150, 150, 50, 20));
        AddControlItem(List, -1, "Off");
        AddControlItem(List, -1, "On");
        SetControlState(List, 0);
        SetControlState(Spin, 0);
        Settle();
    }
};

// Another program acting on the window, as accessibility tools and automation do: pressing the
// button, or telling the window straight that it was pressed (which repaints nothing, so no
// message follows to carry the event out of the look for one).
struct Sent {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD delay;
};

DWORD WINAPI SendFromAnotherThread(LPVOID parameter) {
    const auto& sent = *static_cast<const Sent*>(parameter);
    Sleep(sent.delay);
    SendMessageA(sent.target, sent.message, sent.wParam, sent.lParam);
    return 0;
}

Sent Click(HWND button, DWORD delay) {
    return {button, BM_CLICK, 0, 0, delay};
}

Sent ClickedNotification(HWND button, DWORD delay) {
    return {GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
            reinterpret_cast<LPARAM>(button), delay};
}

// Polls until the sending thread has been answered, then for what is still pending.
std::vector<SeenEvent> PollWhileSending(HANDLE sender) {
    std::vector<SeenEvent> seen;
    while (WaitForSingleObject(sender, 0) == WAIT_TIMEOUT) {
        const EventKind kind = PollEvent();
        if (kind != NoEvent) {
            seen.push_back({kind, EventControl()});
        }
    }
    for (EventKind kind = PollEvent(); kind != NoEvent; kind = PollEvent()) {
        seen.push_back({kind, EventControl()});
    }
    return seen;
}

// Ends a wait that nothing else ends, so that a failing test fails instead of hanging.
struct Wake {
    DWORD thread;
    HANDLE cancel;
};

DWORD WINAPI WakeUpLate(LPVOID parameter) {
    const auto& wake = *static_cast<const Wake*>(parameter);
    constexpr DWORD Late = 3000;
    if (WaitForSingleObject(wake.cancel, Late) == WAIT_TIMEOUT) {
        PostThreadMessageA(wake.thread, WM_NULL, 0, 0);
    }
    return 0;
}

HANDLE StartWaker(Wake& wake) {
    wake = {GetCurrentThreadId(), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    return CreateThread(nullptr, 0, WakeUpLate, &wake, 0, nullptr);
}

void StopWaker(Wake& wake, HANDLE waker) {
    SetEvent(wake.cancel);
    WaitForSingleObject(waker, INFINITE);
    CloseHandle(waker);
    CloseHandle(wake.cancel);
}

TEST_F(PlatformEvents, TheProgramsOwnChangesRaiseNothingEvenOnTheFocusedControl) {
    UserFocusControl(Field);
    Settle();
    SetControlText(Field, "7464abcdef0f");
    SetControlState(Spin, 200);
    SetControlState(List, 1);
    DisableControl(Field, 1);
    DisableControl(Field, 0);
    const std::vector<SeenEvent> seen = Settle();
    for (const SeenEvent& event : seen) {
        EXPECT_NE(event.kind, ControlEvent) << "from control " << event.control;
    }
}

TEST_F(PlatformEvents, RepaintingTheControlsRaisesNoControlEvent) {
    // Version 6 buttons tell their parent about every repaint.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const std::vector<SeenEvent> seen = Settle();
    for (const SeenEvent& event : seen) {
        EXPECT_NE(event.kind, ControlEvent) << "from control " << event.control;
    }
}

TEST_F(PlatformEvents, AClickSentFromAnotherThreadWhilePollingIsNotLost) {
    for (Sent sent :
         {Click(ControlHandle(Button), 50), ClickedNotification(ControlHandle(Button), 50)}) {
        const HANDLE sender = CreateThread(nullptr, 0, SendFromAnotherThread, &sent, 0, nullptr);
        ASSERT_NE(sender, nullptr);
        const std::vector<SeenEvent> seen = PollWhileSending(sender);
        CloseHandle(sender);
        EXPECT_EQ(ControlEventsFrom(seen, Button), 1) << "message " << sent.message;
    }
}

TEST_F(PlatformEvents, AClickSentFromAnotherThreadWhileWaitingIsNotLost) {
    for (Sent sent :
         {Click(ControlHandle(Button), 200), ClickedNotification(ControlHandle(Button), 200)}) {
        while (PollEvent() != NoEvent) {
        }
        Wake wake;
        const HANDLE waker = StartWaker(wake);
        const HANDLE sender = CreateThread(nullptr, 0, SendFromAnotherThread, &sent, 0, nullptr);
        ASSERT_NE(sender, nullptr);
        const DWORD start = GetTickCount();
        WaitForPlatform();
        const DWORD waited = GetTickCount() - start;
        const std::vector<SeenEvent> seen = PollWhileSending(sender);
        CloseHandle(sender);
        StopWaker(wake, waker);
        EXPECT_LT(waited, 2000U) << "the message ends the wait";
        EXPECT_EQ(ControlEventsFrom(seen, Button), 1) << "message " << sent.message;
    }
}

TEST_F(PlatformEvents, WaitingReturnsAtOnceWhileEventsAreQueued) {
    Settle();
    UserCloseWindow(); // its event is queued, and no platform message is
    Wake wake;
    const HANDLE waker = StartWaker(wake);
    ASSERT_NE(waker, nullptr);
    const DWORD start = GetTickCount();
    WaitForPlatform();
    EXPECT_LT(GetTickCount() - start, 1000U);
    StopWaker(wake, waker);
}

TEST_F(PlatformEvents, PollingWithNothingPendingDoesNotWait) {
    Settle();
    const DWORD start = GetTickCount();
    for (int poll = 0; poll < 1000; ++poll) {
        PollEvent();
    }
    EXPECT_LT(GetTickCount() - start, 1000U);
}

} // namespace
