// The drop-down list: a person's picks, its list opening and closing and its focus changes are
// reported; the program's selections raise nothing.
#include "runtime/qt/widgets.h"

#include <QFocusEvent>

namespace {

// Windows opens a list 350 pixels tall, room for every item of the window's lists.
constexpr int OpenedListItems = 20;

} // namespace

LayerComboBox::LayerComboBox(ControlId id, QWidget* parent) : QComboBox(parent), id(id) {
    setMaxVisibleItems(OpenedListItems);
    connect(this, &QComboBox::currentIndexChanged,
            [id] { ReportControlEvent(id, ListSelectionType); });
}

void LayerComboBox::showPopup() {
    open = true;
    ReportControlEvent(id, ListOpenedType);
    QComboBox::showPopup();
}

void LayerComboBox::hidePopup() {
    QComboBox::hidePopup();
    if (open) {
        open = false;
        ReportControlEvent(id, ListClosedType);
    }
}

void LayerComboBox::focusInEvent(QFocusEvent* event) {
    ReportFocusChange(event, id, ListFocusGainedType, ListFocusLostType);
    QComboBox::focusInEvent(event);
}

void LayerComboBox::focusOutEvent(QFocusEvent* event) {
    ReportFocusChange(event, id, ListFocusGainedType, ListFocusLostType);
    QComboBox::focusOutEvent(event);
}
