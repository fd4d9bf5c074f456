// What the files of the Qt control layer share: the control table, the window, the event queue
// and the guard that keeps the program's own changes silent. Only runtime/qt, its tests and its
// benchmark peers include this.
#pragma once

#include "runtime/controls.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <vector>

enum class ControlKind { TextLabel, TextField, Button, Frame, SpinField, DropDownList };

struct ControlEntry {
    QPointer<QWidget> widget; // empties itself when the widget goes with its window
    ControlKind kind = ControlKind::TextLabel;
    QRect box;               // the rectangle asked for; a label may be drawn wider
    int neededWidth = 0;     // a label's narrowest width that shows its whole text
    std::uint32_t order = 0; // creation sequence, for Tab
};

// Control table (control_table.cpp).
const ControlEntry* FindControl(ControlId id); // nullptr when the number names no control
QWidget* ControlWidget(ControlId id);
void RecordControl(ControlId id, QWidget* widget, ControlKind kind, QRect box);
void SetNeededWidth(ControlId id, int width);
std::vector<ControlEntry> ControlsInCreationOrder();
ControlId ControlHolding(const QWidget* widget); // the control that is or holds it; -1 for none
void ClearControlTable();

// The window (window.cpp).
QWidget* ParentForNewControls();
void MoveFocusAmongControls(bool forward);
void CloseAllWindows();

// Labels (label_fit.cpp): the narrowest width that shows a label's text in its height, and every
// label widened to it as far as the controls to its right allow.
int NeededLabelWidth(const QWidget* label, QRect box);
void FitLabels();

// Start-up (startup.cpp): the application object, made once per process. Without a display the
// process ends here, with one line on stderr.
void EnsureApplication();

// The controls' look (compact_style.cpp): the named style with arrows as narrow as on Windows.
class QStyle;
QStyle* NewCompactStyle(const char* base);

// Events (events.cpp). Everything a control reports is queued, to be given one at a time.
void QueueEvent(EventKind kind, ControlId control, std::int32_t type);
void ResetEvents();

// While the layer carries out a change the program asked for, whatever the widgets report about
// it is dropped. Calls nest.
void BeginOwnChange();
void EndOwnChange();

inline QString ToQt(TextRef text) {
    return QString::fromUtf8(text.chars.data(), static_cast<qsizetype>(text.chars.size()));
}

inline Text FromQt(const QString& text) {
    return text.toUtf8().toStdString();
}
