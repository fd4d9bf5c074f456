#include "runtime/control_table.h"

#include <algorithm>

namespace {

std::vector<ControlEntry> controls;
std::uint32_t createdSoFar = 0;

bool InTable(ControlId id) {
    return id >= 0 && static_cast<std::size_t>(id) < controls.size();
}

// Labels, buttons and frames are read by their own text.
bool TakesNameFromLabel(ControlKind kind) {
    return kind == ControlKind::TextField || kind == ControlKind::SpinField ||
           kind == ControlKind::DropDownList;
}

bool Overlaps(int top, int height, const ControlBox& other) {
    return other.y < top + height && other.y + other.height > top;
}

bool Contains(const ControlBox& outer, const ControlBox& inner) {
    return outer.x <= inner.x && outer.y <= inner.y &&
           outer.x + outer.width >= inner.x + inner.width &&
           outer.y + outer.height >= inner.y + inner.height;
}

} // namespace

const ControlEntry* FindControl(ControlId id) {
    if (!InTable(id)) {
        return nullptr;
    }
    const ControlEntry& entry = controls[static_cast<std::size_t>(id)];
    return entry.handle ? &entry : nullptr;
}

void* ControlHandle(ControlId id) {
    const ControlEntry* entry = FindControl(id);
    return entry ? entry->handle : nullptr;
}

void RecordControl(ControlId id, void* handle, ControlKind kind, ControlBox box, void* part) {
    if (id < 0) {
        return;
    }
    if (!InTable(id)) {
        controls.resize(static_cast<std::size_t>(id) + 1);
    }
    controls[static_cast<std::size_t>(id)] = {handle, part, kind, box, ++createdSoFar};
}

void ForgetControl(ControlId id, const void* handle) {
    if (InTable(id) && controls[static_cast<std::size_t>(id)].handle == handle) {
        controls[static_cast<std::size_t>(id)] = {};
    }
}

ControlId ControlOfHandle(const void* handle) {
    const auto found =
        std::find_if(controls.begin(), controls.end(), [handle](const ControlEntry& entry) {
            return handle && entry.handle == handle;
        });
    return found == controls.end() ? -1 : static_cast<ControlId>(found - controls.begin());
}

std::vector<ControlId> ControlsInCreationOrder() {
    std::vector<ControlId> live;
    for (std::size_t id = 0; id < controls.size(); ++id) {
        if (controls[id].handle) {
            live.push_back(static_cast<ControlId>(id));
        }
    }
    std::sort(live.begin(), live.end(), [](ControlId a, ControlId b) {
        return controls[static_cast<std::size_t>(a)].order <
               controls[static_cast<std::size_t>(b)].order;
    });
    return live;
}

ControlId NamingLabel(ControlId id) {
    const ControlEntry* control = FindControl(id);
    if (!control || !TakesNameFromLabel(control->kind)) {
        return -1;
    }
    ControlId before = -1;
    for (const ControlId other : ControlsInCreationOrder()) {
        if (other == id) {
            break;
        }
        before = other;
    }
    const ControlEntry* label = FindControl(before);
    return label && label->kind == ControlKind::TextLabel ? before : -1;
}

ControlId ControlNamedBy(ControlId label) {
    const std::vector<ControlId> order = ControlsInCreationOrder();
    const auto at = std::find(order.begin(), order.end(), label);
    if (at == order.end() || at + 1 == order.end()) {
        return -1;
    }
    return NamingLabel(at[1]) == label ? at[1] : -1;
}

std::string_view NameFromLabel(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" :");
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

int LabelRoom(ControlId label, int windowWidth) {
    const ControlEntry* entry = FindControl(label);
    if (!entry) {
        return 0;
    }
    const ControlBox& box = entry->box;
    int room = windowWidth - box.x;
    for (const ControlId id : ControlsInCreationOrder()) {
        const ControlBox& other = FindControl(id)->box;
        if (id == label) {
            continue;
        }
        if (Contains(other, box)) {
            room = std::min(room, other.x + other.width - 1 - box.x);
        } else if (other.x > box.x && Overlaps(box.y, box.height, other)) {
            room = std::min(room, other.x - box.x);
        }
    }
    return room;
}

void ClearControlTable() {
    controls.clear();
    createdSoFar = 0;
}
