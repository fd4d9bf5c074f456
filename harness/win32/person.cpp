#include "harness/win32/person.h"

#include <commctrl.h>

#include <cctype>
#include <cwchar>
#include <vector>

namespace {

// Longer than any text of the program; a reply slower than the timeout means the program hangs.
constexpr int TextCapacity = 512;
constexpr UINT ReplyTimeoutMs = 5000;
constexpr DWORD HeldStillMs = 150;

// A move of the mouse to a point of the screen, with the buttons in `flags`. Absolute coordinates
// run from 0 to 65535 over the screen; rounding up keeps the point on the intended pixel.
INPUT Mouse(POINT point, DWORD flags) {
    auto absolute = [](LONG pixel, int screen) {
        return static_cast<LONG>((pixel * 65536LL + screen - 1) / screen);
    };
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = absolute(point.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = absolute(point.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, ReplyTimeoutMs,
                               &result)
               ? static_cast<LRESULT>(result)
               : -1;
}

std::string TextOf(HWND window) {
    wchar_t text[TextCapacity] = {};
    Ask(window, WM_GETTEXT, TextCapacity, reinterpret_cast<LPARAM>(text));
    return {text, text + std::wcslen(text)};
}

HWND Control(const Program& program, ControlId id) {
    return GetDlgItem(program.window, id);
}

HWND Arrows(const Program& program, ControlId spin) {
    HWND arrows = nullptr;
    while ((arrows = FindWindowExA(program.window, arrows, UPDOWN_CLASSA, nullptr)) &&
           GetDlgCtrlID(arrows) != spin) {
    }
    return arrows;
}

std::string Shown(const Program& program, ControlId id) {
    return TextOf(Control(program, id));
}

ControlId Focused(const Program& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(program.process.dwThreadId, &info);
    return GetParent(info.hwndFocus) == program.window ? GetDlgCtrlID(info.hwndFocus) : -1;
}

void ClickAt(POINT point) {
    Send({Mouse(point, 0), Mouse(point, MOUSEEVENTF_LEFTDOWN), Mouse(point, MOUSEEVENTF_LEFTUP)});
    // A window that opens or closes under the mouse makes the X server report where the mouse
    // is, and the program hands that on as a move whenever it gets to it: handled late, it takes
    // the mouse back to where an earlier click left it, to hover over whatever is there by then
    // (an open list follows the mouse). So the hand puts the mouse back until it holds still.
    ULONGLONG since = GetTickCount64();
    WaitUntil([&] {
        POINT now{};
        GetCursorPos(&now);
        if (now.x != point.x || now.y != point.y) {
            Send({Mouse(point, 0)});
            since = GetTickCount64();
        }
        return GetTickCount64() - since >= HeldStillMs;
    });
}

void Press(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs(2 * keys.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const bool release = i >= keys.size();
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = std::data(keys)[release ? inputs.size() - 1 - i : i];
        inputs[i].ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    }
    Send(std::move(inputs));
}

bool Click(const Program& program, ControlId id) {
    // A click on a control that is not enabled yet goes to the window behind it.
    const HWND control = Control(program, id);
    if (!control || !WaitUntil([control] { return IsWindowEnabled(control) != 0; })) {
        return false;
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    return true;
}

bool Type(const Program& program, ControlId field, const std::string& text) {
    if (!Click(program, field) || !WaitUntil([&] { return Focused(program) == field; })) {
        return false;
    }
    Press({VK_END});
    Press({VK_SHIFT, VK_HOME});
    // A digit's or a letter's key is its capital's code.
    for (const char character : text) {
        Press({static_cast<WORD>(std::toupper(static_cast<unsigned char>(character)))});
    }
    return WaitUntil([&] { return _stricmp(Shown(program, field).c_str(), text.c_str()) == 0; });
}
