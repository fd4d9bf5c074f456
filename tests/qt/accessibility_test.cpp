// What a screen reader reads of the window through Qt's accessibility interfaces, off screen: every
// control by its label's text or its own, with its role, value and enabling, inside the frame
// drawn around it; the interlock's enabling as it changes; and the error box.
#include "runtime/qt/layer.h"
#include "tests/behaviour/layer_under_test.h"
#include "tests/support/fresh_window.h"
#include "tests/support/window_description.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int LookEveryMilliseconds = 10;

const std::map<std::string, QAccessible::Role> RoleOfKind = {
    {"label", QAccessible::StaticText}, {"field", QAccessible::EditableText},
    {"button", QAccessible::Button},    {"frame", QAccessible::Grouping},
    {"spin", QAccessible::SpinBox},     {"list", QAccessible::ComboBox}};

QAccessibleInterface* Node(ControlId id) {
    return QAccessible::queryAccessibleInterface(ControlWidget(id));
}

std::string Read(const QAccessibleInterface* node, QAccessible::Text part) {
    return node ? node->text(part).toStdString() : "(no node)";
}

// A field, a spin field or a list is heard by the label described just before it, without the
// colon the label shows; the other kinds by their own text.
std::string HeardName(const WindowDescription& window, std::size_t at) {
    const DescribedControl& c = window.controls[at];
    if (c.kind != "field" && c.kind != "spin" && c.kind != "list") {
        return c.texts.front();
    }
    const DescribedControl& label = window.controls.at(at - 1);
    EXPECT_EQ(label.kind, "label") << "each named control follows its label";
    return label.texts.front().substr(0, label.texts.front().find_last_not_of(" :") + 1);
}

// The frame described around a control, or the window.
std::string HeardGroup(const WindowDescription& window, const DescribedControl& c) {
    for (const DescribedControl& frame : window.controls) {
        if (frame.kind == "frame" && c.kind != "frame" &&
            QRect(frame.x, frame.y, frame.width, frame.height)
                .contains(QRect(c.x, c.y, c.width, c.height))) {
            return frame.texts.front();
        }
    }
    return window.title;
}

TEST(QtAccessibility, EveryControlIsReadByNameRoleValueAndGroup) {
    OpenFreshWindow();
    const WindowDescription described = ReadWindowDescription();
    for (std::size_t at = 0; at < described.controls.size(); ++at) {
        const DescribedControl& c = described.controls[at];
        SCOPED_TRACE("control " + std::to_string(c.id));
        const QAccessibleInterface* node = Node(c.id);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->role(), RoleOfKind.at(c.kind));
        EXPECT_EQ(Read(node, QAccessible::Name), HeardName(described, at));
        EXPECT_EQ(Read(node->parent(), QAccessible::Name), HeardGroup(described, c));
        EXPECT_EQ(node->state().disabled, c.disabled);
        if (c.kind == "list") {
            EXPECT_EQ(Read(node, QAccessible::Value), c.texts.front());
        } else if (c.kind == "spin" || c.kind == "field") {
            EXPECT_EQ(Read(node, QAccessible::Value), c.kind == "spin" ? "0" : "");
        }
    }
    for (const auto& [id, name] : {std::pair{YCoordinateSpin, "Y-Coordinate"},
                                   {RotScaleParamSpin, "Rotation/Scaling Parameter"},
                                   {OamValueField, "OAM Value (6 bytes Hex)"}}) {
        EXPECT_EQ(Read(Node(id), QAccessible::Name), name);
    }
    StopControls();
}

TEST(QtAccessibility, RotationScalingOnIsHeardAndUngreysDoubleSizeAndTheParameter) {
    OpenFreshWindow();
    RunUntilQuiet();
    UserPickItem(RotScaleCombo, 1);
    RunUntilQuiet();
    EXPECT_EQ(Read(Node(RotScaleCombo), QAccessible::Name), "Rotation/Scaling");
    EXPECT_EQ(Read(Node(RotScaleCombo), QAccessible::Value), "On");
    for (const auto& [id, greyed] : {std::pair{DoubleSizeCombo, false},
                                     {RotScaleParamSpin, false},
                                     {HFlipCombo, true},
                                     {VFlipCombo, true}}) {
        EXPECT_EQ(Node(id)->state().disabled, greyed) << "control " << id;
    }
    StopControls();
}

struct HeardBox {
    QAccessible::Role role{};
    std::string title, text;
    bool focusOnOk = false;
};

TEST(QtAccessibility, TheErrorBoxIsReadWithTheFocusOnOkAndGivesTheFocusBack) {
    OpenFreshWindow();
    RunUntilQuiet();
    UserTypeText(OamValueField, "12");
    UserFocusControl(GetAttributesButton);
    RunUntilQuiet();
    ASSERT_EQ(FocusedControl(), GetAttributesButton);
    HeardBox heard;
    QTimer person;
    QObject::connect(&person, &QTimer::timeout, [&heard] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            const QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
            heard = {node->role(), Read(node, QAccessible::Name), Read(node, QAccessible::Value),
                     QApplication::focusWidget() == box->button(QMessageBox::Ok)};
            box->button(QMessageBox::Ok)->click();
        }
    });
    person.start(LookEveryMilliseconds);
    UserPressButton(GetAttributesButton);
    RunUntilQuiet();
    EXPECT_EQ(heard.role, QAccessible::AlertMessage);
    EXPECT_EQ(heard.title, "Error");
    EXPECT_EQ(heard.text, "This is not a valid 6 bytes OAM");
    EXPECT_TRUE(heard.focusOnOk);
    EXPECT_EQ(FocusedControl(), GetAttributesButton) << "the focus goes back where it was";
    StopControls();
}

} // namespace
