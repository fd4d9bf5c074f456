// What a person does, done to the page's form elements with the DOM events a browser sends for it:
// typed text comes as an input event, a pick as input and change, a press as the focus moving and
// a click, Tab as a key, closing the tab as pagehide. Typing and picking leave the focus where it
// is, as the other layers' people do, so that each action raises only its own control's events.
#include "tests/support/user.h"
#include "runtime/web/layer.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>

namespace {

EM_JS(void, PickItem, (int serial, int index), {
    const list = document.getElementById('oam' + serial);
    list.selectedIndex = index;
    list.dispatchEvent(new Event('input', {bubbles : true}));
    list.dispatchEvent(new Event('change', {bubbles : true}));
});

EM_JS(void, TypeText, (int serial, const char* text), {
    const field = document.getElementById('oam' + serial);
    field.value = UTF8ToString(text);
    field.dispatchEvent(new InputEvent('input', {bubbles : true, inputType : 'insertText'}));
});

EM_JS(void, ClickArrow, (int serial, int up), {
    const arrows = document.getElementById('oam' + serial).parentNode.querySelectorAll('button');
    arrows[up ? 0 : arrows.length - 1].click();
});

EM_JS(void, Press, (int serial), {
    const button = document.getElementById('oam' + serial);
    button.focus();
    button.click();
});

EM_JS(void, Focus, (int serial), { document.getElementById('oam' + serial).focus(); });

EM_JS(void, PressTab, (int backwards), {
    const key = {key : 'Tab', shiftKey : backwards != 0, bubbles : true, cancelable : true};
    (document.activeElement || document.body).dispatchEvent(new KeyboardEvent('keydown', key));
});

EM_JS(void, CloseTab, (), { window.dispatchEvent(new PageTransitionEvent('pagehide')); });

EM_JS(int, FocusedSerial, (), {
    const id = document.activeElement ? document.activeElement.id : "";
    return id.startsWith("oam") ? parseInt(id.substring(3), 10) || 0 : 0;
});

EM_JS(int, Enabled, (int serial), { return !document.getElementById('oam' + serial).disabled; });

EM_JS(int, ItemCount, (int serial), {
    const list = document.getElementById('oam' + serial);
    return list.tagName == 'SELECT' ? list.length : 0;
});

EM_JS(char*, ItemText, (int serial, int index), {
    const item = document.getElementById('oam' + serial).options[index];
    return allocateUTF8(item ? item.textContent : "");
});

// The control as the page's element, when it is of that kind and takes input.
int Usable(ControlId id, ControlKind kind) {
    const int serial = SerialOf(id, kind);
    return serial && Enabled(serial) ? serial : 0;
}

} // namespace

void UserPickItem(ControlId id, std::int32_t index) {
    const int list = Usable(id, ControlKind::DropDownList);
    if (list && index >= 0 && index < ItemCount(list)) {
        PickItem(list, index);
    }
}

void UserTypeText(ControlId id, TextRef text) {
    int field = Usable(id, ControlKind::TextField);
    field = field ? field : Usable(id, ControlKind::SpinField);
    if (field) {
        TypeText(field, std::string(text.chars).c_str());
    }
}

void UserClickSpinArrow(ControlId id, bool up) {
    if (const int spin = Usable(id, ControlKind::SpinField)) {
        ClickArrow(spin, up);
    }
}

void UserPressButton(ControlId id) {
    if (const int button = Usable(id, ControlKind::Button)) {
        Press(button);
    }
}

void UserFocusControl(ControlId id) {
    const int serial = SerialOf(id);
    if (serial && Enabled(serial)) {
        Focus(serial);
    }
}

void UserPressTab(bool backwards) {
    PressTab(backwards);
}

void UserCloseWindow() {
    CloseTab();
}

ControlId FocusedControl() {
    const int serial = FocusedSerial();
    return serial ? ControlOfHandle(HandleOfSerial(serial)) : -1;
}

bool IsControlEnabled(ControlId id) {
    const int serial = SerialOf(id);
    return serial && Enabled(serial);
}

std::int32_t ControlItemCount(ControlId id) {
    const int list = SerialOf(id, ControlKind::DropDownList);
    return list ? ItemCount(list) : 0;
}

Text ControlItemText(ControlId id, std::int32_t index) {
    const int list = SerialOf(id, ControlKind::DropDownList);
    if (!list) {
        return {};
    }
    char* chars = ItemText(list, index);
    Text text = chars;
    std::free(chars);
    return text;
}
