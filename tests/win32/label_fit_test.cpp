// How the platform makes the window: the program's icon, the button-face background, the class
// name other programs find it by, a spin field's two windows, and the labels in the dialog font.
//
// The window's labels were laid out in the dialog font as Windows draws it: MS Sans Serif 8 pt.
// With that font each label's text fits its rectangle (one line in 20 px, two in 30 px), but for
// three whose rectangles are too small even on Windows. A wider font (Wine's own Tahoma, say)
// wraps more of them, and a wrapped line that does not fit is cut off.
#include "tests/support/win32/windows_seen.h"
#include "tests/win32/layer_fixture.h"

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

using TheWindow = Win32Window;
using LabelFit = Win32Window;

TEST_F(TheWindow, CarriesTheProgramIconTheButtonFaceAndItsClassName) {
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0u);
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND),
              static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
    EXPECT_TRUE(HasClass(window, "WindowClass_0"));
}

// A spin field is two windows here; a control made under its number takes both away.
TEST_F(TheWindow, AControlMadeUnderASpinFieldsNumberTakesBothItsWindowsAway) {
    const HWND arrows = ArrowsOf(*FindControl(PaletteNumberSpin));
    ASSERT_TRUE(CreateTextLabel(PaletteNumberSpin, 0, 0, 10, 10, "x"));
    EXPECT_FALSE(IsWindow(arrows));
}

TEST_F(LabelFit, EveryLabelThatFitsOnWindowsShowsItsWholeText) {
    for (ControlId id : Labels) {
        const HWND label = ControlWindow(id);
        const std::string text = GetControlText(id);
        RECT placed;
        GetClientRect(label, &placed);

        const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0));
        EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT)) << "the dialog font";
        const HDC context = GetDC(label);
        const HGDIOBJ oldFont = SelectObject(context, font);
        RECT needed = {0, 0, placed.right, 0};
        DrawTextA(context, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
        SelectObject(context, oldFont);
        ReleaseDC(label, context);

        EXPECT_LE(needed.bottom, placed.bottom)
            << '"' << text << "\" needs " << needed.bottom << " px of height in " << placed.right
            << " x " << placed.bottom << " px";
    }
}

} // namespace
