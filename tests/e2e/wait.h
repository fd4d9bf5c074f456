// Waiting for what another process does in its own time: poll until it shows, or give up.
#pragma once

#include <windows.h>

// Long enough for a loaded machine running Wine; a wait that times out is a failed check.
constexpr DWORD DefaultTimeoutMs = 5000;
constexpr DWORD PollIntervalMs = 10;

// True as soon as `condition` holds; false when it still does not after `timeoutMs`.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = DefaultTimeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(PollIntervalMs);
    }
}
