// How the platform makes the window: the program's icon, the button-face background, the class
// name other programs find it by, a spin field's two windows, and the labels and lists in the
// dialog font.
//
// The window's labels were laid out in the dialog font as Windows draws it: MS Sans Serif 8 pt.
// With that font each label's text fits its rectangle (one line in 20 px, two in 30 px at 96 DPI),
// but for three whose rectangles are too small even on Windows. A wider font (Wine's own Tahoma,
// say) wraps more of them, and a wrapped line that does not fit is cut off. A font that grows
// with the DPI while the rectangles stay cuts them all. CTest runs the fit at 96, 120, 144 and 192
// DPI.
#include "tests/support/win32/windows_seen.h"
#include "tests/support/window_description.h"
#include "tests/win32/layer_fixture.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// Every label but RotScaleParamLabel and PriorityLabel (three lines in two lines' height): those
// are too small even with Windows' own metrics, and the table's rectangles stay as they are.
constexpr std::array Labels = {
    OamValueLabel, YCoordinateLabel, RotScaleLabel,       DoubleSizeLabel, ObjDisableLabel,
    ObjModeLabel,  ObjMosaicLabel,   ColorsPalettesLabel, ObjShapeLabel,   XCoordinateLabel,
    HFlipLabel,    VFlipLabel,       ObjSizeLabel,        TileNumberLabel, PaletteNumberLabel};

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

// Where the label's text leaves ink as the label itself draws it: the right and bottom edges of
// the dark pixels of its client area.
POINT InkOf(HWND label, RECT placed) {
    const HDC screen = GetDC(label);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP picture = CreateCompatibleBitmap(screen, placed.right, placed.bottom);
    const HGDIOBJ oldPicture = SelectObject(memory, picture);
    SendMessageA(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                 PRF_CLIENT | PRF_ERASEBKGND);
    POINT edge{0, 0};
    for (LONG y = 0; y < placed.bottom; ++y) {
        for (LONG x = 0; x < placed.right; ++x) {
            const COLORREF pixel = GetPixel(memory, x, y);
            if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 128) {
                edge = {std::max(edge.x, x + 1), std::max(edge.y, y + 1)};
            }
        }
    }
    SelectObject(memory, oldPicture);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(label, screen);
    return edge;
}

// A label of one line's height shows its text on that line, up to its trailing blanks, which may
// run over (81 px of "Colors/Palettes : " in 80 px); a taller one wraps between words, and every
// line must show.
TEST_F(LabelFit, EveryLabelThatFitsOnWindowsShowsItsWholeText) {
    for (ControlId id : Labels) {
        const HWND label = ControlWindow(id);
        const std::string text = GetControlText(id);
        const std::string shown = text.substr(0, text.find_last_not_of(' ') + 1);
        RECT placed;
        GetClientRect(label, &placed);

        TEXTMETRICA metrics{};
        RECT oneLine = {0, 0, 0, 0};
        RECT wrapped = {0, 0, placed.right, 0};
        MeasureInFontOf(label, [&](HDC context, const TEXTMETRICA& font) {
            metrics = font;
            DrawTextA(context, shown.c_str(), -1, &oneLine, DT_CALCRECT | DT_SINGLELINE);
            DrawTextA(context, text.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK);
        });

        if (placed.bottom < 2 * metrics.tmHeight) {
            // Drawn, not measured: the ink ends within the last character's width of the whole
            // line, and nothing shows of a second line.
            const POINT ink = InkOf(label, placed);
            EXPECT_GT(ink.x, oneLine.right - metrics.tmAveCharWidth)
                << '"' << shown << "\" shows " << ink.x << " of " << oneLine.right << " px";
            EXPECT_LE(ink.y, metrics.tmHeight) << '"' << shown << "\" shows a second line";
        } else {
            EXPECT_LE(wrapped.bottom, placed.bottom)
                << '"' << text << "\" needs " << wrapped.bottom << " px of height in "
                << placed.right << " x " << placed.bottom << " px";
        }
    }
}

// The closed list shows its selected item in its selection field, and the opened list each item
// across its width: every item whole in both.
TEST_F(LabelFit, EveryListShowsEachOfItsItemsWhole) {
    for (const DescribedControl& c : ReadWindowDescription().controls) {
        if (c.kind != "list") {
            continue;
        }
        const HWND list = ControlWindow(c.id);
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        ASSERT_TRUE(GetComboBoxInfo(list, &parts));
        RECT opened{};
        GetClientRect(parts.hwndList, &opened);
        for (const std::string& item : c.texts) {
            SIZE needed{};
            MeasureInFontOf(list, [&](HDC context, const TEXTMETRICA&) {
                GetTextExtentPoint32A(context, item.c_str(), static_cast<int>(item.size()),
                                      &needed);
            });
            EXPECT_LE(needed.cx, parts.rcItem.right - parts.rcItem.left)
                << '"' << item << "\" in the closed list " << c.id;
            EXPECT_LE(needed.cx, opened.right) << '"' << item << "\" in the opened list " << c.id;
        }
    }
}

} // namespace
