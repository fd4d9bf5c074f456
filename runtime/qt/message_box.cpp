// ShowMessage: a box that holds the whole application until it is answered.
#include "runtime/qt/layer.h"

#include <QMessageBox>

// The program asks only for PlainMessageFlags (MB_OK): one OK button, no icon, which is every box
// here; closing it answers OK too, as on Windows. A screen reader reads it as an alert, its title
// and text, with the focus on OK.
std::int32_t ShowMessage(TextRef title, TextRef text, std::int32_t) {
    EnsureApplication();
    QWidget* window = ParentForNewControls();
    QMessageBox box(QMessageBox::NoIcon, ToQt(title), ToQt(text), QMessageBox::Ok, window);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // As on Windows, the window the box came over is active again, with the focus where it was:
    // without a window manager to hand the activation back, nothing would hold the focus.
    if (window) {
        window->activateWindow();
    }
    return OkAnswer;
}
