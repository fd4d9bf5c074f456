// States, texts, enabling, items and ranges of the controls.
#include "runtime/web/layer.h"

#include <cstdlib>
#include <string>

std::int32_t GetControlState(ControlId id) {
    int serial = SerialOf(id, ControlKind::SpinField);
    serial = serial ? serial : SerialOf(id, ControlKind::DropDownList);
    return serial ? oam_page_state(serial) : 0;
}

void SetControlState(ControlId id, std::int32_t value) {
    int serial = SerialOf(id, ControlKind::SpinField);
    serial = serial ? serial : SerialOf(id, ControlKind::DropDownList);
    if (serial) {
        OwnChange([&] { oam_page_set_state(serial, value); });
    }
}

Text GetControlText(ControlId id) {
    const int serial = SerialOf(id);
    if (!serial) {
        return {};
    }
    char* chars = oam_page_text(serial);
    Text text = chars;
    std::free(chars);
    return text;
}

void SetControlText(ControlId id, TextRef text) {
    const ControlEntry* entry = FindControl(id);
    if (!entry || entry->kind == ControlKind::DropDownList) {
        return;
    }
    const int serial = SerialOf(*entry);
    if (entry->kind != ControlKind::TextLabel) {
        OwnChange([&] { oam_page_set_text(serial, std::string(text.chars).c_str()); });
        return;
    }
    OwnChange([&] { ShowLabel(serial, text.chars); });
    NoteLabelsChanged();
}

void DisableControl(ControlId id, std::int32_t flag) {
    if (const int serial = SerialOf(id)) {
        OwnChange([&] { oam_page_disable(serial, flag != 0); });
    }
}

void AddControlItem(ControlId id, std::int32_t position, TextRef text) {
    if (const int serial = SerialOf(id, ControlKind::DropDownList)) {
        OwnChange([&] { oam_page_add_item(serial, position, std::string(text.chars).c_str()); });
    }
}

void SetControlAttribute(ControlId id, std::int32_t attribute, std::int32_t value) {
    const int serial = SerialOf(id, ControlKind::SpinField);
    if (serial && (attribute == MinimumAttribute || attribute == MaximumAttribute)) {
        OwnChange([&] { oam_page_set_bound(serial, attribute == MaximumAttribute, value); });
    }
}
