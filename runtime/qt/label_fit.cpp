// A label whose text does not fit its rectangle in this platform's font keeps its place and
// height and grows to the right into empty space, up to the next control and never over it.
#include "runtime/qt/layer.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <limits>

namespace {

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
// Wider than the window: the search for a width that holds the text ends here.
constexpr int WidestLabel = 1000;
// Where a label keeps the width its text needs, measured once per text.
constexpr const char* NeededWidthProperty = "neededWidth";

bool TextFits(const QFontMetrics& metrics, const QString& text, int width, int height) {
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, width, std::numeric_limits<int>::max() / 2), TextFlags, text);
    return needed.width() <= width && needed.height() <= height;
}

} // namespace

void NoteNeededLabelWidth(QWidget* label, QRect box) {
    const QString text = static_cast<const QLabel*>(label)->text();
    const QFontMetrics metrics = label->fontMetrics();
    int needed = box.width();
    for (int width = box.width(); width < WidestLabel; ++width) {
        if (TextFits(metrics, text, width, box.height())) {
            needed = width;
            break;
        }
    }
    label->setProperty(NeededWidthProperty, needed);
}

void FitLabels() {
    const QWidget* window = ParentForNewControls();
    if (!window) {
        return;
    }
    for (const ControlId id : ControlsInCreationOrder()) {
        const ControlEntry& entry = *FindControl(id);
        QWidget* label = WidgetOf(entry);
        if (entry.kind != ControlKind::TextLabel || label->window() != window) {
            continue;
        }
        const int needed = label->property(NeededWidthProperty).toInt();
        const int width =
            std::max(entry.box.width, std::min(needed, LabelRoom(id, window->width())));
        PlaceInWindow(label, {entry.box.x, entry.box.y, width, entry.box.height});
    }
}
