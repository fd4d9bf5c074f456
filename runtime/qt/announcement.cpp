// AnnounceStatus: a notification on the accessibility bus. Qt 6.4 has no announcement event of its
// own; a widget read as a notification, shown anew with each text, is what Orca speaks without the
// focus moving ("notification" and the text).
#include "runtime/qt/layer.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

constexpr const char* NoteName = "oam-status-note";

// Draws nothing and takes no focus: it is there only to be read when shown.
QPointer<QWidget> note;

QAccessibleInterface* NoteInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->objectName() == QLatin1String(NoteName)
               ? new QAccessibleWidget(widget, QAccessible::Notification)
               : nullptr;
}

} // namespace

void ReadStatusNotes() {
    QAccessible::installFactory(NoteInterface);
}

void AnnounceStatus(TextRef text) {
    QWidget* window = ParentForNewControls();
    if (!window) {
        return;
    }
    if (!note || note->parentWidget() != window) {
        delete note.data();
        note = new QWidget(window);
        note->setObjectName(QLatin1String(NoteName));
        note->setGeometry(0, 0, 0, 0);
    }
    note->hide();
    note->setAccessibleName(ToQt(text));
    note->show();
}
