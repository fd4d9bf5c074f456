#include "tests/e2e/person.h"

#include "tests/e2e/input.h"
#include "tests/e2e/view.h"
#include "tests/e2e/wait.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

namespace {

// More than the window has controls: Tab reaches every one of them within this many presses.
constexpr int MostTabPresses = 40;

bool SameLetters(const std::string& shown, std::string_view typed) {
    return std::equal(
        shown.begin(), shown.end(), typed.begin(), typed.end(),
        [](unsigned char a, unsigned char b) { return std::toupper(a) == std::toupper(b); });
}

BOOL CALLBACK TakeOpenPart(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && ClassOf(window) == "ComboLBox") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The open part of a list is a window of its own, outside the main window.
HWND OpenPartOf(const Program& program) {
    HWND found = nullptr;
    EnumThreadWindows(program.process.dwThreadId, TakeOpenPart, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Where item `index` shows in the open part of a list, on the screen.
bool ItemPoint(HWND openPart, int index, POINT& point) {
    RECT inner{};
    GetClientRect(openPart, &inner);
    const auto top = static_cast<int>(SendMessageW(openPart, LB_GETTOPINDEX, 0, 0));
    const auto height =
        static_cast<int>(SendMessageW(openPart, LB_GETITEMHEIGHT, static_cast<WPARAM>(index), 0));
    point = {inner.right / 2, (index - top) * height + height / 2};
    if (height <= 0 || point.y < 0 || point.y >= inner.bottom) {
        return false;
    }
    return ClientToScreen(openPart, &point) != 0;
}

// Says on the error stream what the window showed when an action did not take, for the log of
// a failed run.
void Report(const Program& program, ControlId id, const char* action) {
    const HWND control = ControlWindow(program, id);
    POINT cursor{};
    GetCursorPos(&cursor);
    std::fprintf(stderr,
                 "e2e: %s on control %d did not take: enabled %d, list open %d, selection %d, "
                 "text \"%s\", focus on %d, window in front %d, message box up %d, mouse at "
                 "(%ld, %ld)\n",
                 action, id, control && IsWindowEnabled(control), ListIsOpen(program, id),
                 ListSelection(program, id), ControlText(program, id).c_str(),
                 FocusedControl(program), GetForegroundWindow() == program.window,
                 MessageBoxOf(program) != nullptr, cursor.x, cursor.y);
}

} // namespace

bool ClickControl(const Program& program, ControlId id) {
    const HWND control = ControlWindow(program, id);
    // The platform decides where a click goes when it takes it: one on a control that the program
    // has not yet enabled goes to the window behind, so a person waits for it to come alive.
    if (!control || !WaitUntil([control] { return IsWindowEnabled(control) != 0; })) {
        Report(program, id, "click");
        return false;
    }
    ClickAt(CentreOf(control));
    return true;
}

bool TypeInto(const Program& program, ControlId field, std::string_view text) {
    if (!ClickControl(program, field) ||
        !WaitUntil([&] { return FocusedControl(program) == field; })) {
        Report(program, field, "focusing to type");
        return false;
    }
    // Cleared first, so that a text equal to the old one still shows only once typed.
    PressKey(VK_END);
    PressKeyHolding(VK_SHIFT, VK_HOME);
    PressKey(VK_DELETE);
    if (!WaitUntil([&] { return ControlText(program, field).empty(); })) {
        Report(program, field, "clearing");
        return false;
    }
    TypeCharacters(text);
    if (!WaitUntil([&] { return SameLetters(ControlText(program, field), text); })) {
        Report(program, field, "typing");
        return false;
    }
    return true;
}

bool ClickSpinArrow(const Program& program, ControlId spin, bool up) {
    const HWND arrows = SpinArrows(program, spin);
    if (!arrows) {
        return false;
    }
    RECT rect{};
    GetWindowRect(arrows, &rect);
    const LONG quarter = (rect.bottom - rect.top) / 4;
    ClickAt({(rect.left + rect.right) / 2, up ? rect.top + quarter : rect.bottom - 1 - quarter});
    return true;
}

bool OpenListWithMouse(const Program& program, ControlId list) {
    if (!ClickControl(program, list) || !WaitUntil([&] { return ListIsOpen(program, list); })) {
        Report(program, list, "opening");
        return false;
    }
    return true;
}

bool CloseListWithMouse(const Program& program, ControlId list) {
    if (!ClickControl(program, list) || !WaitUntil([&] { return !ListIsOpen(program, list); })) {
        Report(program, list, "closing");
        return false;
    }
    return true;
}

bool PickWithMouse(const Program& program, ControlId list, int index) {
    if (!OpenListWithMouse(program, list)) {
        return false;
    }
    HWND openPart = nullptr;
    POINT item{};
    if (!WaitUntil([&] { return (openPart = OpenPartOf(program)) != nullptr; }) ||
        !ItemPoint(openPart, index, item)) {
        Report(program, list, "finding the item");
        return false;
    }
    ClickAt(item);
    if (!WaitUntil(
            [&] { return !ListIsOpen(program, list) && ListSelection(program, list) == index; })) {
        Report(program, list, "picking");
        return false;
    }
    return true;
}

bool StepListWithArrowKey(const Program& program, ControlId list, bool down) {
    const int before = ListSelection(program, list);
    PressKey(down ? VK_DOWN : VK_UP);
    const int after = before + (down ? 1 : -1);
    if (!WaitUntil([&] { return ListSelection(program, list) == after; })) {
        Report(program, list, down ? "Down" : "Up");
        return false;
    }
    return true;
}

bool TabTo(const Program& program, ControlId id) {
    for (int press = 0; press < MostTabPresses; ++press) {
        if (FocusedControl(program) == id) {
            return true;
        }
        const ControlId before = FocusedControl(program);
        PressKey(VK_TAB);
        if (!WaitUntil([&] { return FocusedControl(program) != before; })) {
            Report(program, before, "Tab");
            return false;
        }
    }
    return FocusedControl(program) == id;
}
