// The widgets behind the control kinds that report what a person does, each as the Windows
// control of its kind would.
#pragma once

#include "runtime/qt/layer.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSpinBox>

// A text field: its focus changes.
class LayerLineEdit : public QLineEdit {
  public:
    LayerLineEdit(ControlId id, QWidget* parent);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    ControlId id;
};

// Every letter typed or set becomes a capital.
QValidator* NewUpperCaseValidator(QObject* parent);

// A spin field that takes any typed text, as the Windows field does, and reads its number from the
// text only when that is a whole number within the range (an empty text counting as 0); anything
// else keeps the number it held, which the field shows again when it loses the focus.
class LayerSpinBox : public QSpinBox {
  public:
    LayerSpinBox(ControlId id, QWidget* parent);
    std::int32_t Position();
    QLineEdit* TextPart() const { return lineEdit(); }

  protected:
    QValidator::State validate(QString& text, int& position) const override;
    int valueFromText(const QString& text) const override;
    void stepBy(int steps) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    ControlId id;
};

// A drop-down list: its focus changes and its list opening and closing.
class LayerComboBox : public QComboBox {
  public:
    LayerComboBox(ControlId id, QWidget* parent);
    void showPopup() override;
    void hidePopup() override;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    ControlId id;
    bool open = false;
};

// Reports a focus change with the type the Windows control gives it. Opening a context menu moves
// the focus to the menu for a moment; Windows reports nothing then.
inline void ReportFocusChange(const QFocusEvent* event, ControlId id, std::int32_t gainedType,
                              std::int32_t lostType) {
    if (event->reason() != Qt::PopupFocusReason) {
        ReportControlEvent(id, event->gotFocus() ? gainedType : lostType);
    }
}
