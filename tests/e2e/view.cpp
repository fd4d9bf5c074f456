#include "tests/e2e/view.h"

#include <commctrl.h>

namespace {

// Longer than any text of the program; a reply slower than this means the program hangs.
constexpr int TextCapacity = 512;
constexpr UINT ReplyTimeoutMs = 5000;
constexpr int MessageBoxTextId = 0xFFFF; // the static that holds a message box's text

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, ReplyTimeoutMs,
                             &result)) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (; *text; ++text) {
        narrow.push_back(*text < 0x80 ? static_cast<char>(*text) : '?');
    }
    return narrow;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

template <typename Accept>
std::vector<HWND> Children(HWND parent, Accept accept) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> accepted;
    for (const HWND child : all) {
        if (accept(child)) {
            accepted.push_back(child);
        }
    }
    return accepted;
}

struct BoxSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMessageBox(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<BoxSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && ClassOf(window) == "#32770") {
        search.found.push_back(window);
    }
    return TRUE;
}

} // namespace

HWND ControlWindow(const Program& program, ControlId id) {
    return program.window ? GetDlgItem(program.window, id) : nullptr;
}

HWND SpinArrows(const Program& program, ControlId id) {
    const std::vector<HWND> arrows = Children(program.window, [id](HWND child) {
        return GetDlgCtrlID(child) == id && ClassOf(child) == UPDOWN_CLASSA;
    });
    return arrows.empty() ? nullptr : arrows.front();
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    wchar_t text[TextCapacity] = {};
    if (Ask(window, WM_GETTEXT, TextCapacity, reinterpret_cast<LPARAM>(text)) < 0) {
        return "<no answer>";
    }
    return Narrow(text);
}

std::string ControlText(const Program& program, ControlId id) {
    return TextOf(ControlWindow(program, id));
}

RECT InnerRectOf(const Program& program, HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, program.window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ListSelection(const Program& program, ControlId list) {
    return static_cast<int>(Ask(ControlWindow(program, list), CB_GETCURSEL));
}

bool ListIsOpen(const Program& program, ControlId list) {
    return Ask(ControlWindow(program, list), CB_GETDROPPEDSTATE) > 0;
}

std::vector<std::string> ListItems(const Program& program, ControlId list) {
    const HWND handle = ControlWindow(program, list);
    const auto count = static_cast<int>(Ask(handle, CB_GETCOUNT));
    std::vector<std::string> items;
    for (int index = 0; index < count; ++index) {
        wchar_t text[TextCapacity] = {};
        if (Ask(handle, CB_GETLBTEXTLEN, static_cast<WPARAM>(index)) >= TextCapacity) {
            items.push_back("<too long>");
            continue;
        }
        Ask(handle, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        items.push_back(Narrow(text));
    }
    return items;
}

int SpinNumber(const Program& program, ControlId spin) {
    return static_cast<int>(Ask(SpinArrows(program, spin), UDM_GETPOS32));
}

SpinBounds SpinRange(const Program& program, ControlId spin) {
    // UDM_GETRANGE32 wants memory in the program's process; the 16-bit form fits these ranges.
    const auto range = static_cast<DWORD>(Ask(SpinArrows(program, spin), UDM_GETRANGE));
    return {static_cast<SHORT>(HIWORD(range)), static_cast<SHORT>(LOWORD(range))};
}

bool ControlEnabled(const Program& program, ControlId id) {
    const HWND handle = ControlWindow(program, id);
    if (!handle || !IsWindowEnabled(handle)) {
        return false;
    }
    const HWND arrows = SpinArrows(program, id);
    return !arrows || IsWindowEnabled(arrows);
}

ControlId FocusedControl(const Program& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(program.process.dwThreadId, &info) || !info.hwndFocus ||
        GetParent(info.hwndFocus) != program.window) {
        return NoControl;
    }
    return GetDlgCtrlID(info.hwndFocus);
}

std::vector<HWND> MessageBoxesOf(const Program& program) {
    BoxSearch search{program.process.dwProcessId, {}};
    EnumWindows(CollectMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND MessageBoxOf(const Program& program) {
    const std::vector<HWND> boxes = MessageBoxesOf(program);
    return boxes.empty() ? nullptr : boxes.front();
}

MessageBoxView ReadMessageBox(HWND box) {
    MessageBoxView view;
    view.title = TextOf(box);
    view.text = TextOf(GetDlgItem(box, MessageBoxTextId));
    for (const HWND button : Children(box, [](HWND child) {
             return ClassOf(child) == "Button" && IsWindowVisible(child);
         })) {
        view.buttons.push_back(TextOf(button));
    }
    return view;
}

HWND MessageBoxButton(HWND box, const std::string& text) {
    const std::vector<HWND> buttons = Children(box, [&text](HWND child) {
        return ClassOf(child) == "Button" && IsWindowVisible(child) && TextOf(child) == text;
    });
    return buttons.empty() ? nullptr : buttons.front();
}
