// What the files of the Qt control layer share: the widgets behind the shared control table, the
// window, and how a widget's report becomes an event. Only runtime/qt, its tests and its
// benchmark peers include this.
#pragma once

#include "runtime/control_table.h"
#include "runtime/controls.h"
#include "runtime/event_queue.h"

#include <QRect>
#include <QWidget>

#include <cstdint>

// The widget behind a control; nullptr when the number names no control.
inline QWidget* WidgetOf(const ControlEntry& entry) {
    return static_cast<QWidget*>(entry.handle);
}
inline QWidget* ControlWidget(ControlId id) {
    return static_cast<QWidget*>(ControlHandle(id));
}
// The rectangle the window asked for; a label may be drawn wider.
inline QRect BoxOf(const ControlEntry& entry) {
    return {entry.box.x, entry.box.y, entry.box.width, entry.box.height};
}

// The window (window.cpp).
QWidget* ParentForNewControls();
void CloseAllWindows();

// Places (placement.cpp): a new control goes into the frame drawn around it, or else the window
// opened last; every place is in the window's coordinates, whichever widget holds the control.
QWidget* HolderFor(ControlId id, QRect box);
void PlaceInWindow(QWidget* control, QRect box);
QRect PlaceInWindowOf(const QWidget* control);
void KeepControlsOf(const QWidget* frame);

// Screen readers (accessibility.cpp): a control is named by the label made just before it, again
// whenever that label's text changes, and lists are read by that name.
void NameControlByLabel(ControlId id);
void NameBuddy(QWidget* label);
void ReadListsByName();

// Announcements (announcement.cpp): the widget AnnounceStatus shows is read as a notification.
void ReadStatusNotes();

// Labels (label_fit.cpp): a label's narrowest width that shows its text in its height, noted
// whenever the text changes, and every label widened to it as far as the controls to its right
// allow.
void NoteNeededLabelWidth(QWidget* label, QRect box);
void FitLabels();

// Start-up (startup.cpp): the application object, made once per process, given the program's
// command line when one was kept, so that Qt takes its own options. Without a display the
// process ends here, with one line on stderr.
void EnsureApplication();
void KeepCommandLine(int& argc, char** argv);

// The controls' look (compact_style.cpp): the named style with arrows as narrow as on Windows.
class QStyle;
QStyle* NewCompactStyle(const char* base);

// Everything a control reports is queued, to be given one at a time.
inline void ReportControlEvent(ControlId id, std::int32_t type) {
    QueueEvent(ControlEvent, id, MainWindow, type);
}

inline QString ToQt(TextRef text) {
    return QString::fromUtf8(text.chars.data(), static_cast<qsizetype>(text.chars.size()));
}

inline Text FromQt(const QString& text) {
    return text.toUtf8().toStdString();
}
