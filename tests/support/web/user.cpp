// What a person does, done to the page's form elements with the DOM events a browser sends for it
// (person.js): typed text comes as an input event, a pick as input and change, a press as the
// focus moving and a click, Tab as a key, closing the tab as pagehide. Typing and picking leave
// the focus where it is, as the other layers' people do, so that each action raises only its own
// control's events.
#include "tests/support/user.h"
#include "runtime/web/layer.h"
#include "tests/support/web/person.h"

#include <string>

namespace {

// The control as the page's element, when it is of that kind and takes input.
int Usable(ControlId id, ControlKind kind) {
    const int serial = SerialOf(id, kind);
    return serial && oam_person_enabled(serial) ? serial : 0;
}

} // namespace

void UserPickItem(ControlId id, std::int32_t index) {
    const int list = Usable(id, ControlKind::DropDownList);
    if (list && index >= 0 && index < oam_person_item_count(list)) {
        oam_person_pick(list, index);
    }
}

void UserTypeText(ControlId id, TextRef text) {
    int field = Usable(id, ControlKind::TextField);
    field = field ? field : Usable(id, ControlKind::SpinField);
    if (field) {
        oam_person_type(field, std::string(text.chars).c_str());
    }
}

void UserClickSpinArrow(ControlId id, bool up) {
    if (const int spin = Usable(id, ControlKind::SpinField)) {
        oam_person_click_arrow(spin, up);
    }
}

void UserPressButton(ControlId id) {
    if (const int button = Usable(id, ControlKind::Button)) {
        oam_person_press(button);
    }
}

void UserFocusControl(ControlId id) {
    if (IsControlEnabled(id)) {
        oam_person_focus(SerialOf(id));
    }
}

void UserPressTab(bool backwards) {
    oam_person_tab(backwards);
}

void UserCloseWindow() {
    oam_person_close_tab();
}

ControlId FocusedControl() {
    const int serial = oam_person_focused();
    return serial ? ControlOfHandle(HandleOfSerial(serial)) : -1;
}

bool IsControlEnabled(ControlId id) {
    const int serial = SerialOf(id);
    return serial && oam_person_enabled(serial);
}

std::vector<Text> ItemsOf(ControlId id) {
    std::vector<Text> items;
    const int list = SerialOf(id, ControlKind::DropDownList);
    for (int item = 0; list && item < oam_person_item_count(list); ++item) {
        items.push_back(Taken(oam_person_item_text(list, item)));
    }
    return items;
}
