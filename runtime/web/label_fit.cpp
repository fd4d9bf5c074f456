// A label whose text does not fit its box in the browser's font keeps its place and height and
// grows to the right into empty space, up to the next control and never over it. Measuring waits
// until the page is about to be drawn, when every control is in place.
#include "runtime/web/layer.h"

namespace {

bool labelsChanged = false;

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
                               LabelRoom(id, OpenWindowWidth()));
        }
    }
}
