// The window's labels were laid out in the dialog font as Windows draws it: MS Sans Serif 8 pt.
// With that font each label's text fits its rectangle (one line in 20 px, two in 30 px), but for
// three whose rectangles are too small even on Windows. A wider font (Wine's own Tahoma, say)
// wraps more of them, and a wrapped line that does not fit is cut off.
#include "runtime/controls.h"
#include "runtime/win32/layer.h"
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// Every label but ColorsPalettesLabel (81 px of text in 80 px), RotScaleParamLabel and
// PriorityLabel (three lines in two lines' height): those are too small even with Windows' own
// metrics, and the table's rectangles stay as they are.
constexpr std::array Labels = {OamValueLabel,    YCoordinateLabel,  RotScaleLabel,  DoubleSizeLabel,
                               ObjDisableLabel,  ObjModeLabel,      ObjMosaicLabel, ObjShapeLabel,
                               XCoordinateLabel, HFlipLabel,        VFlipLabel,     ObjSizeLabel,
                               TileNumberLabel,  PaletteNumberLabel};

TEST(LabelFit, EveryLabelThatFitsOnWindowsShowsItsWholeText) {
    StartControls();
    ASSERT_TRUE(BuildMainWindow());
    for (ControlId id : Labels) {
        const HWND label = ControlHandle(id);
        const std::string text = GetControlText(id);
        RECT placed;
        GetClientRect(label, &placed);

        const HDC context = GetDC(label);
        const HGDIOBJ oldFont =
            SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
        RECT needed = {0, 0, placed.right, 0};
        DrawTextA(context, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
        SelectObject(context, oldFont);
        ReleaseDC(label, context);

        EXPECT_LE(needed.bottom, placed.bottom)
            << '"' << text << "\" needs " << needed.bottom << " px of height in " << placed.right
            << " x " << placed.bottom << " px";
    }
    StopControls();
}

} // namespace
