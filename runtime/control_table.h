// The control table that every platform layer keeps alike: which platform object each number names,
// of which kind, where the window asked for it, and in which order the controls were made (the
// order Tab follows). Only the platform layers include this.
#pragma once

#include "runtime/controls.h"

#include <cstdint>
#include <string_view>
#include <vector>

struct ControlEntry {
    void* handle = nullptr; // the platform's object; for a spin field, its number part
    void* part = nullptr;   // a second object where the platform makes a spin field's arrows apart
    ControlKind kind = ControlKind::TextLabel;
    ControlBox box{};
    std::uint32_t order = 0;
};

// nullptr when the number names no control.
const ControlEntry* FindControl(ControlId id);
void* ControlHandle(ControlId id);

// Records a new control under `id`; the layer has destroyed the one that held it before.
void RecordControl(ControlId id, void* handle, ControlKind kind, ControlBox box,
                   void* part = nullptr);

// Empties the entry only while it still holds that object: a control replaced under the same
// number may go after its successor was recorded.
void ForgetControl(ControlId id, const void* handle);

// -1 when no control is that object.
ControlId ControlOfHandle(const void* handle);

std::vector<ControlId> ControlsInCreationOrder();

// The label that names a field, a spin field or a list to a screen reader: the label made just
// before it, which is how Windows finds a control's name, and how the window's table is written.
// -1 for the other kinds, which have their own text, and where no label came just before.
ControlId NamingLabel(ControlId id);

// The control that label names (NamingLabel the other way round); -1 when it names none.
ControlId ControlNamedBy(ControlId label);

// A label's text as the name of its control: the colon and blanks that end it on screen are not
// read out.
std::string_view NameFromLabel(std::string_view text);

// How far a label may reach to the right when its text does not fit its box in the platform's
// font: to the left edge of the nearest control beside it to the right, or the inner edge of the
// frame around it, and never past `windowWidth`. Every other control counts with the box the
// window asked for, so that no widening takes room from another label.
int LabelRoom(ControlId label, int windowWidth);

void ClearControlTable();
