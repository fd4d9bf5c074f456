// States, texts, enabling, items and ranges of the controls.
#include "runtime/qt/widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

template <typename Widget>
Widget* ControlAs(ControlId id, ControlKind kind) {
    const ControlEntry* entry = FindControl(id);
    return entry && entry->kind == kind ? static_cast<Widget*>(WidgetOf(*entry)) : nullptr;
}

LayerSpinBox* SpinField(ControlId id) {
    return ControlAs<LayerSpinBox>(id, ControlKind::SpinField);
}

LayerComboBox* DropDownList(ControlId id) {
    return ControlAs<LayerComboBox>(id, ControlKind::DropDownList);
}

} // namespace

std::int32_t GetControlState(ControlId id) {
    if (LayerSpinBox* spin = SpinField(id)) {
        return spin->Position();
    }
    if (LayerComboBox* list = DropDownList(id)) {
        return list->currentIndex();
    }
    return 0;
}

void SetControlState(ControlId id, std::int32_t value) {
    BeginOwnChange();
    if (LayerSpinBox* spin = SpinField(id)) {
        spin->setValue(value);
    } else if (LayerComboBox* list = DropDownList(id)) {
        list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
    }
    EndOwnChange();
}

Text GetControlText(ControlId id) {
    const ControlEntry* entry = FindControl(id);
    if (!entry) {
        return {};
    }
    QWidget* widget = WidgetOf(*entry);
    switch (entry->kind) {
    case ControlKind::TextLabel:
        return FromQt(static_cast<QLabel*>(widget)->text());
    case ControlKind::TextField:
        return FromQt(static_cast<QLineEdit*>(widget)->text());
    case ControlKind::Button:
        return FromQt(static_cast<QPushButton*>(widget)->text());
    case ControlKind::Frame:
        return FromQt(static_cast<QGroupBox*>(widget)->title());
    case ControlKind::SpinField:
        return FromQt(static_cast<LayerSpinBox*>(widget)->TextPart()->text());
    case ControlKind::DropDownList:
        return FromQt(static_cast<QComboBox*>(widget)->currentText());
    }
    return {};
}

void SetControlText(ControlId id, TextRef text) {
    const ControlEntry* entry = FindControl(id);
    if (!entry) {
        return;
    }
    QWidget* widget = WidgetOf(*entry);
    BeginOwnChange();
    switch (entry->kind) {
    case ControlKind::TextLabel:
        static_cast<QLabel*>(widget)->setText(ToQt(text));
        NameBuddy(widget);
        NoteNeededLabelWidth(widget, BoxOf(*entry));
        FitLabels();
        break;
    case ControlKind::TextField:
        static_cast<QLineEdit*>(widget)->setText(ToQt(text));
        break;
    case ControlKind::Button:
        static_cast<QPushButton*>(widget)->setText(ToQt(text));
        break;
    case ControlKind::Frame:
        static_cast<QGroupBox*>(widget)->setTitle(ToQt(text));
        break;
    case ControlKind::SpinField:
        static_cast<LayerSpinBox*>(widget)->TextPart()->setText(ToQt(text));
        break;
    case ControlKind::DropDownList:
        break;
    }
    EndOwnChange();
}

void DisableControl(ControlId id, std::int32_t flag) {
    if (QWidget* widget = ControlWidget(id)) {
        BeginOwnChange();
        widget->setEnabled(flag == 0);
        EndOwnChange();
    }
}

void AddControlItem(ControlId id, std::int32_t position, TextRef text) {
    LayerComboBox* list = DropDownList(id);
    if (!list || position < -1 || position > list->count()) {
        return;
    }
    BeginOwnChange();
    const int selected = list->currentIndex();
    list->insertItem(position == -1 ? list->count() : position, ToQt(text));
    // Qt selects the first item put into an empty list; a Windows list stays without a selection.
    if (selected == -1) {
        list->setCurrentIndex(-1);
    }
    EndOwnChange();
}

void SetControlAttribute(ControlId id, std::int32_t attribute, std::int32_t value) {
    LayerSpinBox* spin = SpinField(id);
    if (!spin) {
        return;
    }
    BeginOwnChange();
    if (attribute == MinimumAttribute) {
        spin->setMinimum(value);
    } else if (attribute == MaximumAttribute) {
        spin->setMaximum(value);
    }
    EndOwnChange();
}
