#include "tests/e2e/input.h"

#include "tests/e2e/wait.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr WORD ShiftState = 0x0100; // in VkKeyScanA's high byte

// Absolute mouse coordinates run from 0 to 65535 over the screen; rounding up keeps the point on
// the intended pixel.
LONG Normalised(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

INPUT MouseInput(POINT point, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(point.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(point.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

// The cursor keys of a full keyboard, as opposed to the same scan codes on the number pad.
bool IsExtendedKey(WORD virtualKey) {
    switch (virtualKey) {
    case VK_HOME:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
        return true;
    default:
        return false;
    }
}

INPUT KeyInput(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags =
        (release ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A window that opens or closes under the mouse makes the X server tell the program where the
// mouse is, and the program hands that on as a mouse move whenever it gets to it. Handled late,
// such a report takes the mouse back to where an earlier click left it, to hover over whatever is
// there by then (an open list moves its selection to the item under the mouse). A hand stays on
// the mouse after a click: so does this one, putting the mouse back until it holds still.
constexpr DWORD HeldStillMs = 150;
constexpr DWORD MouseSettleTimeoutMs = 3000;

void KeepMouseAt(POINT point) {
    ULONGLONG since = GetTickCount64();
    WaitUntil(
        [&] {
            POINT now{};
            GetCursorPos(&now);
            if (now.x != point.x || now.y != point.y) {
                Send({MouseInput(point, 0)});
                since = GetTickCount64();
            }
            return GetTickCount64() - since >= HeldStillMs;
        },
        MouseSettleTimeoutMs);
}

} // namespace

bool BringToFront(HWND window) {
    if (GetForegroundWindow() != window) {
        SetForegroundWindow(window);
    }
    return WaitUntil([window] { return GetForegroundWindow() == window; });
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickAt(POINT point) {
    // A click where the last one fell counts as a double click if it comes soon enough, and how
    // soon is measured by clocks that lag under load. A person never hits the same pixel twice, so
    // such a click moves just out of the double-click reach, still inside any control.
    static POINT last{-1000, -1000};
    const int reachX = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
    const int reachY = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (std::abs(point.x - last.x) <= reachX && std::abs(point.y - last.y) <= reachY) {
        point.x = last.x + (point.x >= last.x ? reachX + 1 : -(reachX + 1));
    }
    last = point;
    Send({MouseInput(point, 0), MouseInput(point, MOUSEEVENTF_LEFTDOWN),
          MouseInput(point, MOUSEEVENTF_LEFTUP)});
    KeepMouseAt(point);
}

void PressKey(WORD virtualKey) {
    Send({KeyInput(virtualKey, false), KeyInput(virtualKey, true)});
}

void PressKeyHolding(WORD modifier, WORD virtualKey) {
    Send({KeyInput(modifier, false), KeyInput(virtualKey, false), KeyInput(virtualKey, true),
          KeyInput(modifier, true)});
}

void TypeCharacters(std::string_view characters) {
    std::vector<INPUT> keys;
    for (const char character : characters) {
        const SHORT scan = VkKeyScanA(character);
        const auto virtualKey = static_cast<WORD>(scan & 0xFF);
        const bool shifted = (scan & ShiftState) != 0;
        if (shifted) {
            keys.push_back(KeyInput(VK_SHIFT, false));
        }
        keys.push_back(KeyInput(virtualKey, false));
        keys.push_back(KeyInput(virtualKey, true));
        if (shifted) {
            keys.push_back(KeyInput(VK_SHIFT, true));
        }
    }
    Send(std::move(keys));
}
