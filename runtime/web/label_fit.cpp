// A label whose text does not fit its box in the browser's font keeps its place and height and
// grows to the right into empty space, up to the next control and never over it. Measuring waits
// until the page is about to be drawn, when every control is in place.
#include "runtime/web/layer.h"

#include <algorithm>

namespace {

bool labelsChanged = false;

bool Overlaps(int top, int height, const ControlBox& other) {
    return other.y < top + height && other.y + other.height > top;
}

bool Contains(const ControlBox& outer, const ControlBox& inner) {
    return outer.x <= inner.x && outer.y <= inner.y &&
           outer.x + outer.width >= inner.x + inner.width &&
           outer.y + outer.height >= inner.y + inner.height;
}

// How far a label may reach: the left edge of the nearest control beside it to the right, or the
// inner edge of the frame around it. Other labels count with their own boxes.
int RoomFor(ControlId label, const ControlBox& box) {
    int room = OpenWindowWidth() - box.x;
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

} // namespace

void NoteLabelsChanged() {
    labelsChanged = true;
}

void FitLabelsIfChanged() {
    if (!labelsChanged) {
        return;
    }
    labelsChanged = false;
    for (const ControlId id : ControlsInCreationOrder()) {
        const ControlEntry& entry = *FindControl(id);
        if (entry.kind == ControlKind::TextLabel) {
            oam_page_fit_label(SerialOf(entry), entry.box.width, entry.box.height,
                               RoomFor(id, entry.box));
        }
    }
}
