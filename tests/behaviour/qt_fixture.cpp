// The behaviour suite on the Qt layer, drawn off screen. What a person does arrives at once, as
// QTest delivers it, so the loop runs until nothing is pending; a message box is answered from a
// timer, as the box holds the program's loop until it is closed.
#include "tests/behaviour/layer_under_test.h"

#include "runtime/qt/layer.h"
#include "tests/support/user.h"
#include "ui/event_loop.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int LookEveryMilliseconds = 10;
constexpr int ClosingMilliseconds = 5000;

} // namespace

void RunUntilQuiet() {
    RunUntilNothingPending();
}

// The person reads the box as a screen reader does, checks that the window behind it takes no
// click, and presses OK.
std::vector<SeenBox> BoxesShownWhile(const std::function<void()>& action) {
    std::vector<SeenBox> seen;
    QWidget* focusedUnderBox = nullptr;
    QTimer person;
    QObject::connect(&person, &QTimer::timeout, [&seen, &focusedUnderBox] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons().size(), 1);
        // A click on "Calculate OAM" through the window system, which the box must hold back.
        QWidget* window = ParentForNewControls();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          ControlWidget(CalculateOamButton)->geometry().center());
        // What a screen reader reads of it: an alert, its title and text, the focus on OK; when
        // it closes the focus goes back where it was in the window.
        const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(read->role(), QAccessible::AlertMessage);
        EXPECT_EQ(box->focusWidget(), box->button(QMessageBox::Ok));
        focusedUnderBox = window->focusWidget();
        seen.push_back(
            {FromQt(read->text(QAccessible::Name)), FromQt(read->text(QAccessible::Value))});
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    person.start(LookEveryMilliseconds);
    action();
    if (!seen.empty()) {
        EXPECT_EQ(QApplication::focusWidget(), focusedUnderBox) << "the focus goes back";
    }
    return seen;
}

Text ShownTitle() {
    return FromQt(ParentForNewControls()->windowTitle());
}

// The timer fires in the program's first wait for the platform, when its window is up. A loop
// that goes on after the close would hold the test program for ever; the watch goes with the
// window when the program ends.
void CloseWindowOnceWaiting() {
    EnsureApplication();
    QTimer::singleShot(0, [] {
        UserCloseWindow();
        QTimer::singleShot(ClosingMilliseconds, ParentForNewControls(), [] {
            std::fputs("closing the window did not end the program's loop\n", stderr);
            std::_Exit(EXIT_FAILURE);
        });
    });
}
