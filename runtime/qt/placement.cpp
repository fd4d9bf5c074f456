// Where a control goes: inside the frame drawn around it, so that a screen reader reads the
// frame's title as the group of what it holds. Places are the window's own, whichever widget
// holds the control; Tab is unchanged, as Qt keeps one focus chain per window.
#include "runtime/qt/layer.h"

#include <ranges>

namespace {

QPoint OffsetInWindow(const QWidget* holder) {
    return !holder || holder->isWindow() ? QPoint() : holder->mapTo(holder->window(), QPoint());
}

} // namespace

// The frame made last whose rectangle holds `box` wholly: frames made inside a frame come after
// it. A frame holds only what is made after it, as it is drawn under what it holds.
QWidget* HolderFor(ControlId id, QRect box) {
    QWidget* window = ParentForNewControls();
    for (const ControlId other : std::views::reverse(ControlsInCreationOrder())) {
        const ControlEntry& entry = *FindControl(other);
        if (other != id && entry.kind == ControlKind::Frame && BoxOf(entry).contains(box) &&
            WidgetOf(entry)->window() == window) {
            return WidgetOf(entry);
        }
    }
    return window;
}

void PlaceInWindow(QWidget* control, QRect box) {
    control->setGeometry(box.translated(-OffsetInWindow(control->parentWidget())));
}

QRect PlaceInWindowOf(const QWidget* control) {
    return control->geometry().translated(OffsetInWindow(control->parentWidget()));
}

// The controls a frame held stay, in the frame that replaces it or in the window, where they were.
void KeepControlsOf(const QWidget* frame) {
    for (const ControlId id : ControlsInCreationOrder()) {
        const ControlEntry& entry = *FindControl(id);
        QWidget* control = WidgetOf(entry);
        if (control->parentWidget() == frame) {
            const bool shown = control->isVisibleTo(frame);
            const QRect place = PlaceInWindowOf(control);
            control->setParent(HolderFor(id, BoxOf(entry)));
            PlaceInWindow(control, place);
            control->setVisible(shown);
        }
    }
}
