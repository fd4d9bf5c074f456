// The text field: focus changes and typed text are reported; set text raises nothing.
#include "runtime/qt/widgets.h"

#include <QFocusEvent>
#include <QValidator>

namespace {

class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

QValidator* NewUpperCaseValidator(QObject* parent) {
    return new UpperCaseValidator(parent);
}

LayerLineEdit::LayerLineEdit(ControlId id, QWidget* parent) : QLineEdit(parent), id(id) {
    connect(this, &QLineEdit::textEdited, [id] { ReportControlEvent(id, FieldChangedType); });
}

// The text field reports its focus twice, in the layer's own types and as the field's
// notification.
void LayerLineEdit::focusInEvent(QFocusEvent* event) {
    ReportFocusChange(event, id, FocusGainedType, FocusLostType);
    ReportFocusChange(event, id, FieldFocusGainedType, FieldFocusLostType);
    QLineEdit::focusInEvent(event);
}

void LayerLineEdit::focusOutEvent(QFocusEvent* event) {
    ReportFocusChange(event, id, FocusGainedType, FocusLostType);
    ReportFocusChange(event, id, FieldFocusGainedType, FieldFocusLostType);
    QLineEdit::focusOutEvent(event);
}
