// What a person does, done to the Qt layer's widgets with QTest: mouse clicks, typed keys, Tab and
// the arrow keys, delivered as Qt delivers them, so the widgets and the layer react as they would.
#include "tests/support/user.h"
#include "runtime/qt/layer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <ranges>

namespace {

// The control as the widget it is, when it is one and takes input.
template <typename Widget>
Widget* Usable(ControlId id) {
    auto* control = qobject_cast<Widget*>(ControlWidget(id));
    return control && control->isEnabled() ? control : nullptr;
}

} // namespace

// The list opened with the keyboard, the item reached with the arrow keys and taken with Return.
void UserPickItem(ControlId id, std::int32_t index) {
    auto* list = Usable<QComboBox>(id);
    if (!list || index < 0 || index >= list->count()) {
        return;
    }
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(list->view(), Qt::Key_Home);
    for (std::int32_t item = 0; item < index; ++item) {
        QTest::keyClick(list->view(), Qt::Key_Down);
    }
    QTest::keyClick(list->view(), Qt::Key_Return);
}

// The whole text selected and typed over.
void UserTypeText(ControlId id, TextRef text) {
    QWidget* field = Usable<QLineEdit>(id);
    field = field ? field : Usable<QSpinBox>(id);
    if (!field) {
        return;
    }
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.chars.empty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    }
    QTest::keyClicks(field, ToQt(text));
}

void UserClickSpinArrow(ControlId id, bool up) {
    auto* spin = Usable<QSpinBox>(id);
    if (!spin) {
        return;
    }
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.buttonSymbols = spin->buttonSymbols();
    const QRect arrow = spin->style()->subControlRect(
        QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, spin);
    QTest::mouseClick(spin, Qt::LeftButton, {}, arrow.center());
}

void UserPressButton(ControlId id) {
    if (auto* button = Usable<QPushButton>(id)) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

// A click focuses the control; on a button the mouse slides off before it is let go, so nothing is
// pressed, and a list that the click opened is closed again with Escape.
void UserFocusControl(ControlId id) {
    QWidget* control = Usable<QWidget>(id);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-1, -1));
    } else if (control) {
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, control->height() / 2));
    }
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        QTest::keyClick(list->view(), Qt::Key_Escape);
    }
}

void UserPressTab(bool backwards) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : ParentForNewControls(),
                    backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
}

void UserCloseWindow() {
    if (QWidget* window = ParentForNewControls()) {
        window->close();
    }
}

// The control that is or holds the focused widget (a spin field holds its number part). A frame
// holds the controls inside it: the control made last is the innermost.
ControlId FocusedControl() {
    const QWidget* focused = QApplication::focusWidget();
    for (const ControlId id : std::views::reverse(ControlsInCreationOrder())) {
        const QWidget* control = ControlWidget(id);
        if (focused && (control == focused || control->isAncestorOf(focused))) {
            return id;
        }
    }
    return -1;
}

bool IsControlEnabled(ControlId id) {
    const QWidget* control = ControlWidget(id);
    return control && control->isEnabled();
}

std::vector<Text> ItemsOf(ControlId id) {
    std::vector<Text> items;
    if (const auto* list = qobject_cast<const QComboBox*>(ControlWidget(id))) {
        for (int item = 0; item < list->count(); ++item) {
            items.push_back(FromQt(list->itemText(item)));
        }
    }
    return items;
}
