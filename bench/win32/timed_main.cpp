// The program with one addition, built only for the benchmark: a hook on its own thread notes
// when a button's click notification reaches the window procedure. The shipped program has none.
#include "bench/win32/click_stamp.h"
#include "ui/event_loop.h"

#include <windows.h>

namespace {

ClickStamp* stamp = nullptr;

LRESULT CALLBACK NoteClicks(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_COMMAND && sent->lParam != 0 &&
        HIWORD(sent->wParam) == BN_CLICKED) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        stamp->counter = now.QuadPart;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

int main() {
    const HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              sizeof(ClickStamp), ClickStampName);
    if (!mapping) {
        return 1;
    }
    stamp = static_cast<ClickStamp*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ClickStamp)));
    if (!stamp || !SetWindowsHookExA(WH_CALLWNDPROC, NoteClicks, nullptr, GetCurrentThreadId())) {
        return 1;
    }
    return RunProgram();
}
