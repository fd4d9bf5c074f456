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

bool TextFits(const QFontMetrics& metrics, const QString& text, int width, int height) {
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, width, std::numeric_limits<int>::max() / 2), TextFlags, text);
    return needed.width() <= width && needed.height() <= height;
}

// How far a label at `box` may reach: the left edge of the nearest control beside it to the
// right, or the inner edge of the frame around it.
int RoomFor(const ControlEntry& label, int windowWidth) {
    const QRect box = label.box;
    int room = windowWidth - box.x();
    for (const ControlEntry& other : ControlsInCreationOrder()) {
        if (other.widget == label.widget) {
            continue;
        }
        // Labels stand in with their own rectangles, so that no widening takes room from another.
        const QRect r = other.kind == ControlKind::TextLabel ? other.box : other.widget->geometry();
        if (r.contains(box)) {
            room = std::min(room, r.right() - box.x());
        } else if (r.x() > box.x() && r.top() <= box.bottom() && r.bottom() >= box.top()) {
            room = std::min(room, r.x() - box.x());
        }
    }
    return room;
}

} // namespace

int NeededLabelWidth(const QWidget* label, QRect box) {
    const QString text = static_cast<const QLabel*>(label)->text();
    const QFontMetrics metrics = label->fontMetrics();
    for (int width = box.width(); width < WidestLabel; ++width) {
        if (TextFits(metrics, text, width, box.height())) {
            return width;
        }
    }
    return box.width();
}

void FitLabels() {
    const QWidget* window = ParentForNewControls();
    if (!window) {
        return;
    }
    for (const ControlEntry& entry : ControlsInCreationOrder()) {
        if (entry.kind != ControlKind::TextLabel || entry.widget->parentWidget() != window) {
            continue;
        }
        const int room = RoomFor(entry, window->width());
        const int width = std::max(entry.box.width(), std::min(entry.neededWidth, room));
        entry.widget->setGeometry(entry.box.x(), entry.box.y(), width, entry.box.height());
    }
}
