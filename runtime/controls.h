// The control layer: the window and every control addressed by a small number, their states and
// texts, events fetched one at a time without waiting, and the message box. Each platform folder
// (runtime/win32, runtime/qt, runtime/web) implements these over its own windowing, on the control
// table and event queue that all of them share (runtime/control_table.h, runtime/event_queue.h).
//
// No operation reports an error: a number that names no control reads as 0 or the empty text and
// ignores writes. The program's own changes (SetControlState, SetControlText, DisableControl,
// creation) never come back as events; only what a person does does.
#pragma once

#include "runtime/text.h"

#include <cstdint>

using ControlId = std::int32_t;
using EventKind = std::int32_t;

// The window's controls. The encoder, the decoder and the loop reach every field through these
// numbers; the screen order is different (the buttons are 2 and 6).
enum ControlName : ControlId {
    OamValueLabel = 0,
    OamValueField = 1,
    GetAttributesButton = 2,
    Attribute0Frame = 3,
    Attribute1Frame = 4,
    Attribute2Frame = 5,
    CalculateOamButton = 6,
    YCoordinateLabel = 7,
    RotScaleLabel = 8,
    DoubleSizeLabel = 9,
    ObjDisableLabel = 10,
    ObjModeLabel = 11,
    ObjMosaicLabel = 12,
    ColorsPalettesLabel = 13,
    ObjShapeLabel = 14,
    YCoordinateSpin = 15,
    RotScaleCombo = 16,
    DoubleSizeCombo = 17,
    ObjDisableCombo = 18,
    ObjModeCombo = 19,
    ObjMosaicCombo = 20,
    ColorsPalettesCombo = 21,
    ObjShapeCombo = 22,
    XCoordinateLabel = 23,
    XCoordinateSpin = 24,
    RotScaleParamLabel = 25,
    HFlipLabel = 26,
    HFlipCombo = 27,
    VFlipLabel = 28,
    VFlipCombo = 29,
    ObjSizeLabel = 30,
    ObjSizeCombo = 31,
    TileNumberLabel = 32,
    TileNumberSpin = 33,
    PriorityLabel = 34,
    PriorityCombo = 35,
    PaletteNumberLabel = 36,
    RotScaleParamSpin = 37,
    PaletteNumberSpin = 38,
};

constexpr int MainWindow = 0;

// The six kinds of control the layer makes.
enum class ControlKind { TextLabel, TextField, Button, Frame, SpinField, DropDownList };

// A control's place in the window's inner area, in pixels.
struct ControlBox {
    int x, y, width, height;
};

// Event kinds that PollEvent gives. Closing, moving, sizing and repainting carry the numbers of the
// platform's own messages (WM_CLOSE, WM_MOVE, WM_SIZE, WM_PAINT); the control and activation
// events are the layer's. Any other non-zero value is the number of a platform message that
// produced no event of the layer's own.
constexpr EventKind NoEvent = 0;
constexpr EventKind ControlEvent = 13100;
constexpr EventKind CloseEvent = 16;
constexpr EventKind WindowMovedEvent = 3;
constexpr EventKind WindowSizedEvent = 5;
constexpr EventKind WindowActivatedEvent = 13104;
constexpr EventKind RepaintEvent = 15;

// Event types: the notification codes of the Windows controls, which every layer gives at the same
// moments, and the types the layers make themselves.
constexpr std::int32_t ButtonClickedType = 0;        // BN_CLICKED
constexpr std::int32_t ListSelectionType = 1;        // CBN_SELCHANGE
constexpr std::int32_t ListFocusGainedType = 3;      // CBN_SETFOCUS
constexpr std::int32_t ListFocusLostType = 4;        // CBN_KILLFOCUS
constexpr std::int32_t ListOpenedType = 7;           // CBN_DROPDOWN
constexpr std::int32_t ListClosedType = 8;           // CBN_CLOSEUP
constexpr std::int32_t FieldFocusGainedType = 0x100; // EN_SETFOCUS
constexpr std::int32_t FieldFocusLostType = 0x200;   // EN_KILLFOCUS
constexpr std::int32_t FieldChangedType = 0x300;     // EN_CHANGE
constexpr std::int32_t FocusGainedType = 14000;
constexpr std::int32_t FocusLostType = 14001;
constexpr std::int32_t SpinUpType = 1;
constexpr std::int32_t SpinDownType = -1;

// OpenMainWindow flags: the platform's own style bits pass through; bit 0 asks for centring and
// never reaches the platform.
constexpr std::int32_t CentreOnScreenFlag = 1;
constexpr std::int32_t CaptionFlag = 0x00C00000;    // a title bar (the platform's WS_CAPTION)
constexpr std::int32_t SystemMenuFlag = 0x00080000; // its system menu and close box (WS_SYSMENU)

// Creation flags of text and spin fields.
constexpr std::int32_t BuddyNumberFlag = 2; // the arrows write each new value into the field
constexpr std::int32_t UpperCaseFlag = 8;   // every letter typed or set becomes a capital

// SetControlAttribute attributes of a spin field.
constexpr std::int32_t MinimumAttribute = 1;
constexpr std::int32_t MaximumAttribute = 2;

// ShowMessage flags and answer.
constexpr std::int32_t PlainMessageFlags = 0; // one OK button, no icon
constexpr std::int32_t OkAnswer = 1;

// Sets the layer up: an empty event queue and control table, and whatever the platform needs
// before its first window (on Windows the default font, the common controls and COM; on Qt the
// application object). Once, before the window is opened.
void StartControls();

// Closes every open window with its controls and frees the layer's records.
void StopControls();

// Opens a window of the given client size, closing any open window of that number first, and
// makes it the parent of the controls created afterwards. False when the platform refused.
bool OpenMainWindow(int number, int x, int y, int width, int height, TextRef title,
                    std::int32_t flags);

// Each creates one control in the window opened last under `id`, replacing a control that held
// that number. False when the platform refused; nothing changes then.
bool CreateTextLabel(ControlId id, int x, int y, int width, int height, TextRef text);
bool CreateTextField(ControlId id, int x, int y, int width, int height, TextRef text,
                     std::int32_t flags);
bool CreateButton(ControlId id, int x, int y, int width, int height, TextRef text);
bool CreateFrame(ControlId id, int x, int y, int width, int height, TextRef caption);
bool CreateSpinField(ControlId id, int x, int y, int width, int height, std::int32_t minimum,
                     std::int32_t maximum, std::int32_t flags);
bool CreateDropDownList(ControlId id, int x, int y, int width, int height);

// A list's selected index (-1 for none), a spin field's number (always within its range), 0 for
// the other kinds.
std::int32_t GetControlState(ControlId id);

// Selects item `value` of a list (an index outside the items clears the selection) or sets a
// spin field's number, brought to the nearest bound and written into its field.
void SetControlState(ControlId id, std::int32_t value);

Text GetControlText(ControlId id);
void SetControlText(ControlId id, TextRef text);

// Disables the control when `flag` is not 0 and enables it when it is.
void DisableControl(ControlId id, std::int32_t flag);

// Inserts an item into a list at a 0-based position; -1 appends, anything else outside the items
// adds nothing.
void AddControlItem(ControlId id, std::int32_t position, TextRef text);

// Replaces one bound of a spin field's range (MinimumAttribute or MaximumAttribute); the number is
// left as it is.
void SetControlAttribute(ControlId id, std::int32_t attribute, std::int32_t value);

// The kind of the next event, or NoEvent at once when nothing is pending. Never waits.
EventKind PollEvent();

// The control number of the event that PollEvent last gave (other than NoEvent).
ControlId EventControl();

// Sleeps until the platform has something for PollEvent, so an idle program costs nothing.
void WaitForPlatform();

// A modal message box; gives the platform's answer (OkAnswer for its OK button).
std::int32_t ShowMessage(TextRef title, TextRef text, std::int32_t flags);

// Tells a screen reader `text` without moving the focus, where the platform has a way to: the
// page's polite live region, a notification on the Linux accessibility bus. On Windows the program
// keeps the behaviour of a dialog's plain controls, which announce nothing: nothing happens there.
void AnnounceStatus(TextRef text);
