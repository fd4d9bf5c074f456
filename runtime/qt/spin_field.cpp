// The spin field: typed text, arrow steps and focus changes are reported; the number it shows on
// losing the focus is the layer's own change.
#include "runtime/qt/widgets.h"

#include <QFocusEvent>

#include <optional>

namespace {

// What the Windows arrows take from their field: a whole decimal number, the empty text as 0.
std::optional<int> TypedNumber(const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    bool number = false;
    const int value = text.toInt(&number, 10);
    return number ? std::optional<int>(value) : std::nullopt;
}

} // namespace

LayerSpinBox::LayerSpinBox(ControlId id, QWidget* parent) : QSpinBox(parent), id(id) {
    // The number is read from the text when asked for, as the Windows arrows do, not on every key.
    setKeyboardTracking(false);
    setAlignment(Qt::AlignRight);
    connect(lineEdit(), &QLineEdit::textEdited, [id] { ReportControlEvent(id, FieldChangedType); });
}

std::int32_t LayerSpinBox::Position() {
    const QString shown = lineEdit()->text();
    const std::optional<int> typed = TypedNumber(shown);
    if (typed && *typed >= minimum() && *typed <= maximum() && *typed != value()) {
        // Taking the number leaves the text as typed; the field shows the number on losing focus.
        BeginOwnChange();
        setValue(*typed);
        if (lineEdit()->text() != shown) {
            lineEdit()->setText(shown);
        }
        EndOwnChange();
    }
    return value();
}

QValidator::State LayerSpinBox::validate(QString& text, int&) const {
    const std::optional<int> typed = TypedNumber(text);
    return typed && *typed >= minimum() && *typed <= maximum() ? QValidator::Acceptable
                                                               : QValidator::Intermediate;
}

int LayerSpinBox::valueFromText(const QString& text) const {
    return TypedNumber(text).value_or(value());
}

void LayerSpinBox::stepBy(int steps) {
    const std::int32_t before = Position();
    QSpinBox::stepBy(steps);
    if (value() != before) {
        ReportControlEvent(id, FieldChangedType);
    }
    ReportControlEvent(id, steps > 0 ? SpinUpType : SpinDownType);
}

void LayerSpinBox::focusInEvent(QFocusEvent* event) {
    ReportFocusChange(event, id, FieldFocusGainedType, FieldFocusLostType);
    QSpinBox::focusInEvent(event);
}

void LayerSpinBox::focusOutEvent(QFocusEvent* event) {
    ReportFocusChange(event, id, FieldFocusGainedType, FieldFocusLostType);
    Position();
    BeginOwnChange();
    QSpinBox::focusOutEvent(event);
    EndOwnChange();
}
