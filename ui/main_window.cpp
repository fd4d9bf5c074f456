// The window built from its table.
#include "ui/main_window.h"

#include "runtime/controls.h"
#include "ui/window_table.h"

namespace {

// Spin fields are created with a placeholder range, then given their own bounds.
constexpr std::int32_t CreatedMinimum = 0;
constexpr std::int32_t CreatedMaximum = 10;
constexpr std::int32_t FirstState = 0;

using Kind = ControlKind;

void CreateControl(const ControlRow& row) {
    const auto [x, y, width, height] = row.box;
    switch (row.kind) {
    case Kind::TextLabel:
        CreateTextLabel(row.id, x, y, width, height, row.holds.text);
        break;
    case Kind::TextField:
        CreateTextField(row.id, x, y, width, height, row.holds.text, UpperCaseFlag);
        break;
    case Kind::Button:
        CreateButton(row.id, x, y, width, height, row.holds.text);
        break;
    case Kind::Frame:
        CreateFrame(row.id, x, y, width, height, row.holds.text);
        break;
    case Kind::SpinField:
        CreateSpinField(row.id, x, y, width, height, CreatedMinimum, CreatedMaximum,
                        BuddyNumberFlag);
        SetControlAttribute(row.id, MinimumAttribute, row.holds.minimum);
        SetControlAttribute(row.id, MaximumAttribute, row.holds.maximum);
        SetControlState(row.id, FirstState);
        break;
    case Kind::DropDownList:
        CreateDropDownList(row.id, x, y, width, height);
        for (std::size_t position = 0; position < row.holds.items.size(); ++position) {
            AddControlItem(row.id, static_cast<std::int32_t>(position), row.holds.items[position]);
        }
        SetControlState(row.id, FirstState);
        break;
    }
    if (row.holds.startsDisabled) {
        DisableControl(row.id, 1);
    }
}

} // namespace

bool BuildMainWindow() {
    if (!OpenMainWindow(MainWindow, MainWindowLeft, MainWindowTop, MainWindowClientWidth,
                        MainWindowClientHeight, MainWindowTitle,
                        CaptionFlag | SystemMenuFlag | CentreOnScreenFlag)) {
        return false;
    }
    for (const ControlRow& row : ControlRows()) {
        CreateControl(row);
    }
    return true;
}
