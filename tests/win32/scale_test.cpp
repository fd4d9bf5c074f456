// The window at the DPI Windows runs at: its client area, every control's place and the dialog
// font, each scaled from the described window's 96 DPI; and the window moved to a monitor of
// another DPI. CTest runs these at 96 DPI and again in Wine prefixes set to 120, 144 and 192 DPI,
// telling the test which through OAMCALC_TEST_DPI.
#include "tests/support/win32/windows_seen.h"
#include "tests/support/window_description.h"
#include "tests/win32/layer_fixture.h"

#include <cstdlib>
#include <string>

namespace {

constexpr int DescribedDpi = 96;
// Windows' dialog font is 8 points: its characters, without the room above them for accents.
constexpr int DialogFontPoints = 8;
constexpr int PointsPerInch = 72;

// Described units at `dpi`, to the nearest pixel.
LONG AtDpi(int units, int dpi) {
    return (units * dpi + DescribedDpi / 2) / DescribedDpi;
}

void ExpectEveryControlAtItsBoxScaled(int dpi) {
    for (const DescribedControl& c : ReadWindowDescription().controls) {
        SCOPED_TRACE("control " + std::to_string(c.id) + " at " + std::to_string(dpi) + " DPI");
        const LONG left = AtDpi(c.x, dpi);
        const LONG top = AtDpi(c.y, dpi);
        const LONG right = left + AtDpi(c.width, dpi);
        const LONG bottom = top + AtDpi(c.height, dpi);
        LONG numberRight = right;
        if (c.kind == "spin") {
            // The arrows take the right end of the field, half its height wide, greyed with it.
            numberRight -= (bottom - top) / 2;
            const HWND arrows = ArrowsOf(*FindControl(c.id));
            EXPECT_EQ(Placed(arrows), std::vector<LONG>({numberRight, top, right, bottom}));
            EXPECT_EQ(IsWindowEnabled(arrows), IsWindowEnabled(ControlWindow(c.id)));
        }
        EXPECT_EQ(Placed(ControlWindow(c.id)), std::vector<LONG>({left, top, numberRight, bottom}));
    }
}

void ExpectTheDialogFontAt(int dpi) {
    const LONG wanted = (DialogFontPoints * dpi + PointsPerInch / 2) / PointsPerInch;
    for (const DescribedControl& c : ReadWindowDescription().controls) {
        TEXTMETRICA metrics{};
        MeasureInFontOf(ControlWindow(c.id), [&](HDC, const TEXTMETRICA& font) { metrics = font; });
        // 8 points falls between whole pixels at 96, 120 and 192 DPI.
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, wanted, 1)
            << "control " << c.id << " at " << dpi << " DPI";
    }
}

using ScaledWindow = Win32Window;

// As made, the window is the described one at this run's DPI. Moved to a monitor of another
// scale, it is told the new DPI and a rectangle for it, and takes both; last, back to this run's
// DPI. Only DPIs up to this run's, which fit its screen.
TEST_F(ScaledWindow, IsTheDescribedWindowAtTheDpiAndTakesTheScaleAndRectangleOfAnother) {
    const WindowDescription described = ReadWindowDescription();
    const char* runDpi = std::getenv("OAMCALC_TEST_DPI");
    const int dpi = runDpi ? std::atoi(runDpi) : DescribedDpi;
    RECT start{};
    GetClientRect(window, &start);
    EXPECT_EQ(
        std::vector<LONG>({start.right, start.bottom}),
        std::vector<LONG>({AtDpi(described.innerWidth, dpi), AtDpi(described.innerHeight, dpi)}));
    ExpectEveryControlAtItsBoxScaled(dpi);
    ExpectTheDialogFontAt(dpi);

    GetWindowRect(window, &start);
    for (const int other : {96, 120, 144, 192, dpi}) {
        if (other > dpi) {
            continue;
        }
        RECT suggested{start.left + 10, start.top + 10,
                       start.left + 10 + (start.right - start.left) * other / dpi,
                       start.top + 10 + (start.bottom - start.top) * other / dpi};
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(other, other),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT taken{};
        GetWindowRect(window, &taken);
        EXPECT_TRUE(EqualRect(&taken, &suggested)) << "at " << other << " DPI";
        ExpectEveryControlAtItsBoxScaled(other);
        ExpectTheDialogFontAt(other);
    }
}

} // namespace
