#include "ui/event_loop.h"

#include "codec/layout.h"
#include "ui/buttons.h"
#include "ui/main_window.h"

namespace {

constexpr const char* ProgramName = "oamcalc";
constexpr const char* NoWindowMessage = "The window could not be created, so oamcalc cannot run.";
constexpr int NormalExit = 0;
constexpr int NoWindowExit = 1;

void Dispatch(ControlId control) {
    switch (control) {
    case GetAttributesButton:
        GetAttributes();
        break;
    case CalculateOamButton:
        CalculateOam();
        break;
    case ObjSizeCombo:
        ShapeFollowsSize();
        break;
    case ObjShapeCombo:
        SizeFollowsShape();
        break;
    default:
        break;
    }
}

} // namespace

void ShapeFollowsSize() {
    std::int32_t size = GetControlState(ObjSizeCombo);
    if (size >= 0 && size < SizeItemCount) {
        SetControlState(ObjShapeCombo, ShapeOfSizeItem(size));
    }
}

void SizeFollowsShape() {
    std::int32_t shape = GetControlState(ObjShapeCombo);
    std::int32_t size = GetControlState(ObjSizeCombo);
    bool sizeFitsShape = size >= 0 && ShapeOfSizeItem(size) == shape;
    if (shape >= 0 && shape < ProhibitedShape && !sizeFitsShape) {
        SetControlState(ObjSizeCombo, SizeItem(shape, 0));
    }
}

void RotScaleInterlock() {
    std::int32_t rotScale = GetControlState(RotScaleCombo);
    DisableControl(DoubleSizeCombo, !FlagSelects(DoubleSizePlace, rotScale));
    DisableControl(RotScaleParamSpin, !FlagSelects(RotScaleParamPlace, rotScale));
    DisableControl(ObjDisableCombo, !FlagSelects(ObjDisablePlace, rotScale));
    DisableControl(HFlipCombo, !FlagSelects(HFlipPlace, rotScale));
    DisableControl(VFlipCombo, !FlagSelects(VFlipPlace, rotScale));
}

EventKind RunPass() {
    EventKind kind = PollEvent();
    if (kind == ControlEvent) {
        Dispatch(EventControl());
    }
    RotScaleInterlock();
    return kind;
}

int RunProgram() {
    StartControls();
    if (!BuildMainWindow()) {
        // Without a window no close event can ever come: say so and end instead of looping.
        ShowMessage(ProgramName, NoWindowMessage, PlainMessageFlags);
        StopControls();
        return NoWindowExit;
    }
    for (;;) {
        EventKind kind = RunPass();
        if (kind == CloseEvent) {
            break;
        }
        // Nothing was pending: sleep until the platform has something, instead of spinning.
        if (kind == NoEvent) {
            WaitForPlatform();
        }
    }
    StopControls();
    return NormalExit;
}
