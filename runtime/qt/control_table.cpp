#include "runtime/qt/layer.h"

#include <algorithm>

namespace {

std::vector<ControlEntry> controls;
std::uint32_t createdSoFar = 0;

bool InTable(ControlId id) {
    return id >= 0 && static_cast<std::size_t>(id) < controls.size();
}

} // namespace

const ControlEntry* FindControl(ControlId id) {
    if (!InTable(id)) {
        return nullptr;
    }
    const ControlEntry& entry = controls[static_cast<std::size_t>(id)];
    return entry.widget ? &entry : nullptr;
}

QWidget* ControlWidget(ControlId id) {
    const ControlEntry* entry = FindControl(id);
    return entry ? entry->widget.data() : nullptr;
}

void RecordControl(ControlId id, QWidget* widget, ControlKind kind, QRect box) {
    if (id < 0) {
        return;
    }
    if (!InTable(id)) {
        controls.resize(static_cast<std::size_t>(id) + 1);
    }
    ControlEntry& entry = controls[static_cast<std::size_t>(id)];
    delete entry.widget.data();
    entry = {widget, kind, box, box.width(), ++createdSoFar};
}

void SetNeededWidth(ControlId id, int width) {
    if (FindControl(id)) {
        controls[static_cast<std::size_t>(id)].neededWidth = width;
    }
}

std::vector<ControlEntry> ControlsInCreationOrder() {
    std::vector<ControlEntry> live;
    std::copy_if(controls.begin(), controls.end(), std::back_inserter(live),
                 [](const ControlEntry& entry) { return !entry.widget.isNull(); });
    std::sort(live.begin(), live.end(),
              [](const ControlEntry& a, const ControlEntry& b) { return a.order < b.order; });
    return live;
}

ControlId ControlHolding(const QWidget* widget) {
    for (std::size_t id = 0; widget && id < controls.size(); ++id) {
        const QWidget* control = controls[id].widget.data();
        if (control && (control == widget || control->isAncestorOf(widget))) {
            return static_cast<ControlId>(id);
        }
    }
    return -1;
}

void ClearControlTable() {
    for (ControlEntry& entry : controls) {
        delete entry.widget.data();
    }
    controls.clear();
    createdSoFar = 0;
}
