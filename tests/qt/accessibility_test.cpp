// What a screen reader reads of the window through Qt's accessibility interfaces, off screen: every
// control by its label's text without the colon (a field, spin field or list) or by its own, with
// its role, value and enabling (which Qt reads from the widget, as the behaviour suite does when
// the interlock changes it), and a list's value after a pick. The frames around the controls are
// read from the real accessibility bus (accessibility_tree.py).
#include "runtime/qt/layer.h"
#include "tests/behaviour/layer_under_test.h"
#include "tests/support/fresh_window.h"
#include "tests/support/window_description.h"

#include <QAccessible>

#include <gtest/gtest.h>

#include <map>

namespace {

const std::map<std::string, QAccessible::Role> RoleOfKind = {
    {"label", QAccessible::StaticText}, {"field", QAccessible::EditableText},
    {"button", QAccessible::Button},    {"frame", QAccessible::Grouping},
    {"spin", QAccessible::SpinBox},     {"list", QAccessible::ComboBox}};

QAccessibleInterface* Node(ControlId id) {
    return QAccessible::queryAccessibleInterface(ControlWidget(id));
}

std::string Heard(const QAccessibleInterface* node, QAccessible::Text part) {
    return node->text(part).toStdString();
}

TEST(QtAccessibility, EveryControlIsReadByItsLabelRoleValueAndEnabling) {
    OpenFreshWindow();
    const WindowDescription described = ReadWindowDescription();
    std::string label = "(none)";
    for (const DescribedControl& c : described.controls) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        const QAccessibleInterface* node = Node(c.id);
        const bool named = c.kind == "field" || c.kind == "spin" || c.kind == "list";
        EXPECT_EQ(node->role(), RoleOfKind.at(c.kind));
        EXPECT_EQ(Heard(node, QAccessible::Name),
                  named ? label.substr(0, label.find_last_not_of(" :") + 1) : c.texts.front());
        EXPECT_EQ(Heard(node, QAccessible::Value), c.kind == "spin" ? "0"
                                                   : named          ? c.texts[0]
                                                                    : "");
        EXPECT_EQ(node->state().disabled, c.disabled);
        label = c.kind == "label" ? c.texts.front() : "(none)";
    }
    RunUntilQuiet();
    UserPickItem(RotScaleCombo, 1);
    RunUntilQuiet();
    EXPECT_EQ(Heard(Node(RotScaleCombo), QAccessible::Value), "On") << "a list reads its pick";
    StopControls();
}

} // namespace
