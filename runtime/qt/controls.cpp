// Creating the six kinds of control.
#include "runtime/qt/widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// Creation is the program's own change: nothing a new widget reports on the way is an event.
template <typename MakeWidget>
bool Create(ControlId id, ControlKind kind, QRect box, MakeWidget make) {
    if (!ParentForNewControls() || id < 0) {
        return false;
    }
    BeginOwnChange();
    QWidget* widget = make(HolderFor(id, box));
    PlaceInWindow(widget, box);
    QWidget* replaced = ControlWidget(id);
    RecordControl(id, widget, kind, {box.x(), box.y(), box.width(), box.height()});
    if (replaced) {
        KeepControlsOf(replaced);
        delete replaced;
    }
    // A widget also goes with its window, and its number is free again then.
    QObject::connect(widget, &QObject::destroyed, [id, widget] { ForgetControl(id, widget); });
    if (kind == ControlKind::TextLabel) {
        NoteNeededLabelWidth(widget, box);
    }
    NameControlByLabel(id);
    FitLabels();
    widget->show();
    EndOwnChange();
    return true;
}

} // namespace

bool CreateTextLabel(ControlId id, int x, int y, int width, int height, TextRef text) {
    return Create(id, ControlKind::TextLabel, {x, y, width, height}, [text](QWidget* parent) {
        auto* label = new QLabel(ToQt(text), parent);
        // A static label draws its lines from the top, broken between words.
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    });
}

bool CreateTextField(ControlId id, int x, int y, int width, int height, TextRef text,
                     std::int32_t flags) {
    return Create(id, ControlKind::TextField, {x, y, width, height},
                  [id, text, flags](QWidget* parent) {
                      auto* field = new LayerLineEdit(id, parent);
                      if (flags & UpperCaseFlag) {
                          field->setValidator(NewUpperCaseValidator(field));
                      }
                      field->setText(ToQt(text));
                      return field;
                  });
}

bool CreateButton(ControlId id, int x, int y, int width, int height, TextRef text) {
    return Create(id, ControlKind::Button, {x, y, width, height}, [id, text](QWidget* parent) {
        auto* button = new QPushButton(ToQt(text), parent);
        QObject::connect(button, &QPushButton::clicked,
                         [id] { ReportControlEvent(id, ButtonClickedType); });
        return button;
    });
}

bool CreateFrame(ControlId id, int x, int y, int width, int height, TextRef caption) {
    return Create(id, ControlKind::Frame, {x, y, width, height},
                  [caption](QWidget* parent) { return new QGroupBox(ToQt(caption), parent); });
}

// The field always shows the number it holds, so BuddyNumberFlag is how it always behaves.
bool CreateSpinField(ControlId id, int x, int y, int width, int height, std::int32_t minimum,
                     std::int32_t maximum, std::int32_t) {
    return Create(id, ControlKind::SpinField, {x, y, width, height},
                  [id, minimum, maximum](QWidget* parent) {
                      auto* spin = new LayerSpinBox(id, parent);
                      spin->setRange(minimum, maximum);
                      return spin;
                  });
}

bool CreateDropDownList(ControlId id, int x, int y, int width, int height) {
    return Create(id, ControlKind::DropDownList, {x, y, width, height},
                  [id](QWidget* parent) { return new LayerComboBox(id, parent); });
}
