// ShowMessage: a box that holds the whole application until it is answered.
#include "runtime/qt/layer.h"

#include <QMessageBox>

// The program asks only for PlainMessageFlags (MB_OK): one OK button, no icon, which is every box
// here; closing it answers OK too, as on Windows.
std::int32_t ShowMessage(TextRef title, TextRef text, std::int32_t) {
    EnsureApplication();
    QMessageBox box(QMessageBox::NoIcon, ToQt(title), ToQt(text), QMessageBox::Ok,
                    ParentForNewControls());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return OkAnswer;
}
