// The window is data: one row per control, in creation order. Creation order is also the Tab
// order, so the rows run down each attribute's frame in turn.
#include "ui/main_window.h"

#include "codec/size_names.h"
#include "runtime/controls.h"

#include <vector>

namespace {

constexpr const char* WindowTitle = "Quorvex - Dunmarrow";
constexpr int WindowLeft = 676; // not used: the window is centred
constexpr int WindowTop = 62;
constexpr int ClientWidth = 840;
constexpr int ClientHeight = 380;

// Spin fields are created with a placeholder range, then given their own bounds.
constexpr std::int32_t CreatedMinimum = 0;
constexpr std::int32_t CreatedMaximum = 10;
constexpr std::int32_t FirstState = 0;

enum class Kind { TextLabel, TextField, Button, Frame, SpinField, DropDownList };

struct ControlRow {
    ControlId id;
    Kind kind;
    int x, y, width, height;
    const char* text = nullptr;
    std::vector<const char*> items = {};
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    bool startsDisabled = false;
};

const std::vector<ControlRow>& ControlRows() {
    using enum Kind;
    static const std::vector<ControlRow> rows = {
        {OamValueLabel, TextLabel, 130, 40, 130, 20, "OAM Value (6 bytes Hex) : "},
        {OamValueField, TextField, 290, 40, 110, 20, ""},
        {GetAttributesButton, Button, 420, 30, 110, 30, "Get Attributes"},
        {CalculateOamButton, Button, 540, 30, 110, 30, "Calculate OAM"},
        {Attribute0Frame, Frame, 20, 90, 260, 280, "OBJ Attribute 0"},
        {Attribute1Frame, Frame, 290, 90, 260, 280, "OBJ Attribute 1"},
        {Attribute2Frame, Frame, 560, 90, 260, 280, "OBJ Attribute 2"},

        {YCoordinateLabel, TextLabel, 40, 120, 80, 20, "Y-Coordinate : "},
        {YCoordinateSpin, SpinField, 150, 120, 40, 20, nullptr, {}, 0, 255},
        {RotScaleLabel, TextLabel, 40, 150, 90, 20, "Rotation/Scaling :"},
        {RotScaleCombo, DropDownList, 150, 150, 50, 20, nullptr, {"Off", "On"}},
        {DoubleSizeLabel, TextLabel, 40, 180, 90, 20, "Double Size : "},
        {DoubleSizeCombo,
         DropDownList,
         150,
         180,
         60,
         20,
         nullptr,
         {"Normal", "Double"},
         0,
         0,
         true},
        {ObjDisableLabel, TextLabel, 40, 210, 80, 20, "OBJ Disable : "},
        {ObjDisableCombo, DropDownList, 150, 210, 90, 20, nullptr, {"Normal", "Not Displayed"}},
        {ObjModeLabel, TextLabel, 40, 240, 80, 20, "OBJ Mode : "},
        {ObjModeCombo,
         DropDownList,
         150,
         240,
         110,
         20,
         nullptr,
         {"Normal", "Semi-Transparent", "OBJ Window", "Prohibited"}},
        {ObjMosaicLabel, TextLabel, 40, 270, 80, 20, "OBJ Mosaic : "},
        {ObjMosaicCombo, DropDownList, 150, 270, 50, 20, nullptr, {"off", "on"}},
        {ColorsPalettesLabel, TextLabel, 40, 300, 80, 20, "Colors/Palettes : "},
        {ColorsPalettesCombo,
         DropDownList,
         150,
         300,
         125,
         20,
         nullptr,
         {"16 colors/16 palettes", "256 colors/1 palette"}},
        {ObjShapeLabel, TextLabel, 40, 330, 80, 20, "OBJ Shape : "},
        {ObjShapeCombo,
         DropDownList,
         150,
         330,
         100,
         20,
         nullptr,
         {"Square", "Horizontal", "Vertical", "Prohibited"}},

        {XCoordinateLabel, TextLabel, 310, 120, 80, 20, "X-Coordinate : "},
        {XCoordinateSpin, SpinField, 420, 120, 40, 20, nullptr, {}, 0, 511},
        {RotScaleParamLabel, TextLabel, 310, 170, 80, 30, "Rotation/Scaling Parameter : "},
        {RotScaleParamSpin, SpinField, 420, 170, 40, 20, nullptr, {}, 0, 31, true},
        {HFlipLabel, TextLabel, 310, 230, 80, 20, "Horizontal Flip : "},
        {HFlipCombo, DropDownList, 420, 230, 80, 20, nullptr, {"Normal", "Mirrored"}, 0, 0, true},
        {VFlipLabel, TextLabel, 310, 280, 80, 20, "Vertical Flip : "},
        {VFlipCombo, DropDownList, 420, 280, 80, 20, nullptr, {"Normal", "Mirrored"}, 0, 0, true},
        {ObjSizeLabel, TextLabel, 310, 330, 80, 20, "OBJ Size : "},
        // Four sizes per shape, in shape order: the size list and the shape list follow each
        // other by that grouping.
        {ObjSizeCombo,
         DropDownList,
         420,
         330,
         70,
         20,
         nullptr,
         {SizeNames.begin(), SizeNames.end()}},

        {TileNumberLabel, TextLabel, 580, 120, 80, 20, "Tile Number : "},
        {TileNumberSpin, SpinField, 690, 120, 40, 20, nullptr, {}, 0, 1023},
        {PriorityLabel, TextLabel, 580, 190, 70, 30, "Priority relative to BG  : "},
        {PriorityCombo,
         DropDownList,
         690,
         190,
         60,
         20,
         nullptr,
         {"Highest", "High", "Low", "Lowest"}},
        {PaletteNumberLabel, TextLabel, 580, 260, 70, 30, "Palette Number : "},
        {PaletteNumberSpin, SpinField, 690, 260, 40, 20, nullptr, {}, 0, 15},
    };
    return rows;
}

void CreateControl(const ControlRow& row) {
    switch (row.kind) {
    case Kind::TextLabel:
        CreateTextLabel(row.id, row.x, row.y, row.width, row.height, row.text);
        break;
    case Kind::TextField:
        CreateTextField(row.id, row.x, row.y, row.width, row.height, row.text, UpperCaseFlag);
        break;
    case Kind::Button:
        CreateButton(row.id, row.x, row.y, row.width, row.height, row.text);
        break;
    case Kind::Frame:
        CreateFrame(row.id, row.x, row.y, row.width, row.height, row.text);
        break;
    case Kind::SpinField:
        CreateSpinField(row.id, row.x, row.y, row.width, row.height, CreatedMinimum, CreatedMaximum,
                        BuddyNumberFlag);
        SetControlAttribute(row.id, MinimumAttribute, row.minimum);
        SetControlAttribute(row.id, MaximumAttribute, row.maximum);
        SetControlState(row.id, FirstState);
        break;
    case Kind::DropDownList:
        CreateDropDownList(row.id, row.x, row.y, row.width, row.height);
        for (std::size_t position = 0; position < row.items.size(); ++position) {
            AddControlItem(row.id, static_cast<std::int32_t>(position), row.items[position]);
        }
        SetControlState(row.id, FirstState);
        break;
    }
    if (row.startsDisabled) {
        DisableControl(row.id, 1);
    }
}

} // namespace

bool BuildMainWindow() {
    if (!OpenMainWindow(MainWindow, WindowLeft, WindowTop, ClientWidth, ClientHeight, WindowTitle,
                        CaptionFlag | SystemMenuFlag | CentreOnScreenFlag)) {
        return false;
    }
    for (const ControlRow& row : ControlRows()) {
        CreateControl(row);
    }
    return true;
}
