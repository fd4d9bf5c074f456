#include "ui/window_table.h"

#include "codec/size_names.h"

namespace {

constexpr const char* OffOnItems[] = {"Off", "On"};
constexpr const char* MosaicItems[] = {"off", "on"};
constexpr const char* DoubleSizeItems[] = {"Normal", "Double"};
constexpr const char* ObjDisableItems[] = {"Normal", "Not Displayed"};
constexpr const char* ObjModeItems[] = {"Normal", "Semi-Transparent", "OBJ Window", "Prohibited"};
constexpr const char* ColorsPalettesItems[] = {"16 colors/16 palettes", "256 colors/1 palette"};
constexpr const char* ObjShapeItems[] = {"Square", "Horizontal", "Vertical", "Prohibited"};
constexpr const char* FlipItems[] = {"Normal", "Mirrored"};
constexpr const char* PriorityItems[] = {"Highest", "High", "Low", "Lowest"};

using enum ControlKind;

// Like a resource script: one control per line, its number, kind and box, then what it holds.
// The size list holds four sizes per shape, in shape order: the size list and the shape list
// follow each other by that grouping.
// clang-format off
constexpr ControlRow Rows[] = {
    {OamValueLabel,       TextLabel,    {130,  40, 130,  20}, {.text = "OAM Value (6 bytes Hex) : "}},
    {OamValueField,       TextField,    {290,  40, 110,  20}, {.text = ""}},
    {GetAttributesButton, Button,       {420,  30, 110,  30}, {.text = "Get Attributes"}},
    {CalculateOamButton,  Button,       {540,  30, 110,  30}, {.text = "Calculate OAM"}},
    {Attribute0Frame,     Frame,        { 20,  90, 260, 280}, {.text = "OBJ Attribute 0"}},
    {Attribute1Frame,     Frame,        {290,  90, 260, 280}, {.text = "OBJ Attribute 1"}},
    {Attribute2Frame,     Frame,        {560,  90, 260, 280}, {.text = "OBJ Attribute 2"}},

    {YCoordinateLabel,    TextLabel,    { 40, 120,  80,  20}, {.text = "Y-Coordinate : "}},
    {YCoordinateSpin,     SpinField,    {150, 120,  40,  20}, {.minimum = 0, .maximum = 255}},
    {RotScaleLabel,       TextLabel,    { 40, 150,  90,  20}, {.text = "Rotation/Scaling :"}},
    {RotScaleCombo,       DropDownList, {150, 150,  50,  20}, {.items = OffOnItems}},
    {DoubleSizeLabel,     TextLabel,    { 40, 180,  90,  20}, {.text = "Double Size : "}},
    {DoubleSizeCombo,     DropDownList, {150, 180,  60,  20}, {.items = DoubleSizeItems, .startsDisabled = true}},
    {ObjDisableLabel,     TextLabel,    { 40, 210,  80,  20}, {.text = "OBJ Disable : "}},
    {ObjDisableCombo,     DropDownList, {150, 210,  90,  20}, {.items = ObjDisableItems}},
    {ObjModeLabel,        TextLabel,    { 40, 240,  80,  20}, {.text = "OBJ Mode : "}},
    {ObjModeCombo,        DropDownList, {150, 240, 110,  20}, {.items = ObjModeItems}},
    {ObjMosaicLabel,      TextLabel,    { 40, 270,  80,  20}, {.text = "OBJ Mosaic : "}},
    {ObjMosaicCombo,      DropDownList, {150, 270,  50,  20}, {.items = MosaicItems}},
    {ColorsPalettesLabel, TextLabel,    { 40, 300,  80,  20}, {.text = "Colors/Palettes : "}},
    {ColorsPalettesCombo, DropDownList, {150, 300, 125,  20}, {.items = ColorsPalettesItems}},
    {ObjShapeLabel,       TextLabel,    { 40, 330,  80,  20}, {.text = "OBJ Shape : "}},
    {ObjShapeCombo,       DropDownList, {150, 330, 100,  20}, {.items = ObjShapeItems}},

    {XCoordinateLabel,    TextLabel,    {310, 120,  80,  20}, {.text = "X-Coordinate : "}},
    {XCoordinateSpin,     SpinField,    {420, 120,  40,  20}, {.minimum = 0, .maximum = 511}},
    {RotScaleParamLabel,  TextLabel,    {310, 170,  80,  30}, {.text = "Rotation/Scaling Parameter : "}},
    {RotScaleParamSpin,   SpinField,    {420, 170,  40,  20}, {.minimum = 0, .maximum = 31, .startsDisabled = true}},
    {HFlipLabel,          TextLabel,    {310, 230,  80,  20}, {.text = "Horizontal Flip : "}},
    {HFlipCombo,          DropDownList, {420, 230,  80,  20}, {.items = FlipItems, .startsDisabled = true}},
    {VFlipLabel,          TextLabel,    {310, 280,  80,  20}, {.text = "Vertical Flip : "}},
    {VFlipCombo,          DropDownList, {420, 280,  80,  20}, {.items = FlipItems, .startsDisabled = true}},
    {ObjSizeLabel,        TextLabel,    {310, 330,  80,  20}, {.text = "OBJ Size : "}},
    {ObjSizeCombo,        DropDownList, {420, 330,  70,  20}, {.items = SizeNames}},

    {TileNumberLabel,     TextLabel,    {580, 120,  80,  20}, {.text = "Tile Number : "}},
    {TileNumberSpin,      SpinField,    {690, 120,  40,  20}, {.minimum = 0, .maximum = 1023}},
    {PriorityLabel,       TextLabel,    {580, 190,  70,  30}, {.text = "Priority relative to BG  : "}},
    {PriorityCombo,       DropDownList, {690, 190,  60,  20}, {.items = PriorityItems}},
    {PaletteNumberLabel,  TextLabel,    {580, 260,  70,  30}, {.text = "Palette Number : "}},
    {PaletteNumberSpin,   SpinField,    {690, 260,  40,  20}, {.minimum = 0, .maximum = 15}},
};
// clang-format on

} // namespace

std::span<const ControlRow> ControlRows() {
    return Rows;
}
