// What a screen reader reads: a field, a spin field or a list by the label made just before it,
// without the label's colon, and a list's item as its value.
#include "runtime/qt/layer.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

namespace {

// Qt reads a list on Linux by its item, and leaves its label to the label's relation; a screen
// reader that looks for a control by name would then find "Normal" eleven times. Here a list is
// named as the other fields are, with its item as the value, its opened list as its child, and
// the item it shows as its text, which is where the Linux bus carries what a control shows.
class AccessibleList : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text part) const override {
        return part == QAccessible::Value ? List()->currentText() : QAccessibleWidget::text(part);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    // The shown item, read only: no cursor, no selection.
    QString text(int start, int end) const override { return Shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == List()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = List()->view()->isVisible();
        return state;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            List()->showPopup();
        }
    }

  private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
    QString Shown() const { return List()->currentText(); }
};

// The layer's lists report themselves as plain QComboBox; Qt asks the factory installed last first.
QAccessibleInterface* ListInterface(const QString& className, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    return list && className == QLatin1String("QComboBox") ? new AccessibleList(list) : nullptr;
}

} // namespace

void ReadListsByName() {
    QAccessible::installFactory(ListInterface);
}

void NameControlByLabel(ControlId id) {
    auto* label = qobject_cast<QLabel*>(ControlWidget(NamingLabel(id)));
    if (label) {
        label->setBuddy(ControlWidget(id));
        NameBuddy(label);
    }
}

void NameBuddy(QWidget* label) {
    const auto* named = qobject_cast<QLabel*>(label);
    if (named && named->buddy()) {
        named->buddy()->setAccessibleName(ToQt(NameFromLabel(FromQt(named->text()))));
    }
}
