// What a screen reader hears: each label's words, and the control each label names, both by the
// core's rules (runtime/control_table.h), handed to the page, which keeps no rule of its own.
#include "runtime/web/layer.h"

#include <string>

void ShowLabel(int serial, std::string_view text) {
    const std::string_view name = NameFromLabel(text);
    oam_page_show_label(serial, std::string(name).c_str(),
                        std::string(text.substr(name.size())).c_str());
}

// Any control made or replaced can change which control a label comes just before.
void NameControlsByLabels() {
    for (const ControlId id : ControlsInCreationOrder()) {
        const ControlEntry& entry = *FindControl(id);
        if (entry.kind == ControlKind::TextLabel) {
            oam_page_name_by(SerialOf(entry), SerialOf(ControlNamedBy(id)));
        }
    }
}
