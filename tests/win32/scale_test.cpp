// The window at the DPI Windows runs at: its client area, every control's place and the dialog
// font, each scaled from the described window's 96 DPI; and the window moved to a monitor of
// another DPI. CTest runs these at 96 DPI and again in Wine prefixes set to 120, 144 and 192 DPI,
// telling the test which through OAMCALC_TEST_DPI.
#include "tests/support/window_description.h"
#include "tests/win32/layer_fixture.h"

#include <array>
#include <cstdlib>
#include <string>

namespace {

constexpr int DescribedDpi = 96;
// Windows' dialog font is 8 points: its characters, without the room above them for accents.
constexpr int DialogFontPoints = 8;
constexpr int PointsPerInch = 72;

int DpiOfThisRun() {
    const char* set = std::getenv("OAMCALC_TEST_DPI");
    return set ? std::atoi(set) : DescribedDpi;
}

// Described units at `dpi`, to the nearest pixel.
LONG AtDpi(int units, int dpi) {
    return (units * dpi + DescribedDpi / 2) / DescribedDpi;
}

// Left, top, right and bottom in the window's inner area, where the program places controls.
std::vector<LONG> Placed(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
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
            // The arrows take the right end of the field, half its height wide.
            numberRight -= (bottom - top) / 2;
            EXPECT_EQ(Placed(ArrowsOf(*FindControl(c.id))),
                      std::vector<LONG>({numberRight, top, right, bottom}));
        }
        EXPECT_EQ(Placed(ControlWindow(c.id)), std::vector<LONG>({left, top, numberRight, bottom}));
    }
}

void ExpectTheDialogFontAt(int dpi) {
    const LONG wanted = (DialogFontPoints * dpi + PointsPerInch / 2) / PointsPerInch;
    for (const DescribedControl& c : ReadWindowDescription().controls) {
        const HWND control = ControlWindow(c.id);
        const HDC context = GetDC(control);
        const HGDIOBJ oldFont = SelectObject(
            context, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
        TEXTMETRICA metrics{};
        GetTextMetricsA(context, &metrics);
        SelectObject(context, oldFont);
        ReleaseDC(control, context);
        // 8 points falls between whole pixels at 96, 120 and 192 DPI.
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, wanted, 1)
            << "control " << c.id << " at " << dpi << " DPI";
    }
}

using ScaledWindow = Win32Window;

TEST_F(ScaledWindow, HasTheDescribedClientAreaAtTheDpi) {
    const WindowDescription described = ReadWindowDescription();
    RECT inner{};
    GetClientRect(window, &inner);
    EXPECT_EQ(std::vector<LONG>({inner.right, inner.bottom}),
              std::vector<LONG>({AtDpi(described.innerWidth, DpiOfThisRun()),
                                 AtDpi(described.innerHeight, DpiOfThisRun())}));
}

TEST_F(ScaledWindow, PutsEveryControlAtItsDescribedBoxScaled) {
    ExpectEveryControlAtItsBoxScaled(DpiOfThisRun());
}

TEST_F(ScaledWindow, WritesInTheDialogFontAtTheDpi) {
    ExpectTheDialogFontAt(DpiOfThisRun());
}

// Windows tells the window the new DPI and suggests a rectangle; the window takes both, and goes
// back when moved back. Only DPIs at most this run's, so the window fits the run's screen.
TEST_F(ScaledWindow, MovedToAMonitorOfAnotherDpiTakesItsScaleAndTheSuggestedRectangle) {
    RECT before{};
    GetWindowRect(window, &before);
    const int dpi = DpiOfThisRun();
    for (const int other : std::array{96, 120, 144, 192}) {
        if (other > dpi) {
            continue;
        }
        const LONG width = (before.right - before.left) * other / dpi;
        const LONG height = (before.bottom - before.top) * other / dpi;
        RECT suggested{before.left + 10, before.top + 10, before.left + 10 + width,
                       before.top + 10 + height};
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(other, other),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT taken{};
        GetWindowRect(window, &taken);
        EXPECT_TRUE(EqualRect(&taken, &suggested)) << "at " << other << " DPI";
        ExpectEveryControlAtItsBoxScaled(other);
        ExpectTheDialogFontAt(other);

        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&before));
        GetWindowRect(window, &taken);
        EXPECT_TRUE(EqualRect(&taken, &before)) << "back from " << other << " DPI";
        ExpectEveryControlAtItsBoxScaled(dpi);
        ExpectTheDialogFontAt(dpi);
    }
}

} // namespace
