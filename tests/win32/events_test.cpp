// Another program acting on the window from a thread of its own, as accessibility tools and
// automation do: it presses the button, or tells the window straight that the button was pressed
// (which repaints nothing, so no message follows to carry the event out of the look for one). A
// sent message is delivered while the layer looks for a message; sent or posted, it must end the
// layer's wait. Either way the click comes out of PollEvent once.
#include "tests/win32/layer_fixture.h"

#include <algorithm>

namespace {

constexpr DWORD DeliveryDelayMs = 200;
// A wait that the delivery ended is far shorter. One that it did not, the delivering thread ends
// after this long with a message of its own, so that a failing test fails instead of hanging.
constexpr DWORD WakeLateMs = 3000;
constexpr DWORD ThreadEndTimeoutMs = 5000;

struct Delivery {
    bool notification;
    bool posted;
    HWND button = nullptr;
    HANDLE waitEnded = nullptr; // set once nothing needs waking
};

DWORD WINAPI Deliver(LPVOID parameter) {
    const auto& d = *static_cast<const Delivery*>(parameter);
    Sleep(DeliveryDelayMs);
    const HWND target = d.notification ? GetParent(d.button) : d.button;
    const UINT message = d.notification ? WM_COMMAND : BM_CLICK;
    const WPARAM wParam = d.notification ? MAKEWPARAM(GetDlgCtrlID(d.button), BN_CLICKED) : 0;
    const LPARAM lParam = d.notification ? reinterpret_cast<LPARAM>(d.button) : 0;
    if (d.posted) {
        PostMessageA(target, message, wParam, lParam);
    } else {
        SendMessageA(target, message, wParam, lParam);
    }
    if (WaitForSingleObject(d.waitEnded, WakeLateMs) == WAIT_TIMEOUT) {
        SendMessageTimeoutA(target, WM_NULL, 0, 0, SMTO_NORMAL, WakeLateMs, nullptr);
    }
    return 0;
}

using FromAnotherThread = Win32Window;

TEST_F(FromAnotherThread, AClickWhileTheLayerLooksForAMessageOrWaitsEndsTheWaitAndIsKept) {
    for (const bool waiting : {false, true}) {
        for (Delivery delivery : {Delivery{false, false}, Delivery{true, false},
                                  Delivery{false, true}, Delivery{true, true}}) {
            SCOPED_TRACE(::testing::Message()
                         << "waiting " << waiting << ", notification " << delivery.notification
                         << ", posted " << delivery.posted);
            Settle();
            delivery.button = ControlWindow(GetAttributesButton);
            delivery.waitEnded = CreateEventA(nullptr, TRUE, !waiting, nullptr);
            const HANDLE thread = CreateThread(nullptr, 0, Deliver, &delivery, 0, nullptr);
            const DWORD start = GetTickCount();
            if (waiting) {
                WaitForPlatform();
                EXPECT_LT(GetTickCount() - start, WakeLateMs / 2) << "the delivery ends the wait";
                SetEvent(delivery.waitEnded);
            }
            // A sent message reaches the window, and its sender is answered, while the layer
            // polls: so it polls until the thread is done, then a while longer.
            std::vector<SeenEvent> seen;
            while (WaitForSingleObject(thread, 0) == WAIT_TIMEOUT &&
                   GetTickCount() - start < ThreadEndTimeoutMs) {
                if (const EventKind kind = PollEvent(); kind != NoEvent) {
                    seen.emplace_back(kind, EventControl());
                }
            }
            const std::vector<SeenEvent> more = Settle();
            seen.insert(seen.end(), more.begin(), more.end());
            EXPECT_EQ(
                std::count(seen.begin(), seen.end(), SeenEvent{ControlEvent, GetAttributesButton}),
                1);
            CloseHandle(thread);
            CloseHandle(delivery.waitEnded);
        }
    }
}

} // namespace
