#include "runtime/win32/layer.h"

#include <algorithm>

namespace {

std::vector<ControlEntry> controls;
std::uint32_t createdSoFar = 0;

} // namespace

const ControlEntry* FindControl(ControlId id) {
    if (id < 0 || static_cast<std::size_t>(id) >= controls.size()) {
        return nullptr;
    }
    const ControlEntry& entry = controls[static_cast<std::size_t>(id)];
    return entry.handle ? &entry : nullptr;
}

HWND ControlHandle(ControlId id) {
    const ControlEntry* entry = FindControl(id);
    return entry ? entry->handle : nullptr;
}

void RecordControl(ControlId id, HWND handle, ControlKind kind, HWND arrows) {
    if (id < 0) {
        return;
    }
    if (static_cast<std::size_t>(id) >= controls.size()) {
        controls.resize(static_cast<std::size_t>(id) + 1);
    }
    controls[static_cast<std::size_t>(id)] = {handle, kind, arrows, ++createdSoFar};
}

void ForgetControl(ControlId id, HWND handle) {
    if (id >= 0 && static_cast<std::size_t>(id) < controls.size() &&
        controls[static_cast<std::size_t>(id)].handle == handle) {
        controls[static_cast<std::size_t>(id)] = {};
    }
}

std::vector<ControlEntry> ControlsInCreationOrder() {
    std::vector<ControlEntry> live;
    std::copy_if(controls.begin(), controls.end(), std::back_inserter(live),
                 [](const ControlEntry& entry) { return entry.handle != nullptr; });
    std::sort(live.begin(), live.end(),
              [](const ControlEntry& a, const ControlEntry& b) { return a.order < b.order; });
    return live;
}

void ClearControlTable() {
    controls.clear();
    createdSoFar = 0;
}
