// ShowMessage: a box that holds the whole application until it is answered.
#include "runtime/qt/layer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

// The program asks only for PlainMessageFlags (MB_OK): one OK button, no icon, which is every box
// here; closing it answers OK too, as on Windows. A screen reader reads the box as an alert, its
// title and text, with the focus on OK.
std::int32_t ShowMessage(TextRef title, TextRef text, std::int32_t) {
    EnsureApplication();
    const QPointer<QWidget> activeBefore = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, ToQt(title), ToQt(text), QMessageBox::Ok,
                    ParentForNewControls());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // As on Windows, the window the box came over is active again, with the focus where it was;
    // without a window manager to hand the activation back, nothing would hold the focus.
    if (activeBefore) {
        activeBefore->activateWindow();
    }
    return OkAnswer;
}
