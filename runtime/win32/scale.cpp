// The window's DPI and what follows from it: sizes in the window table are in Windows' unit at
// 100%, 1/96 inch, and each window is laid out at the DPI of the monitor it is on.
#include "runtime/win32/layer.h"

namespace {

// Windows 10 (1607) and later; looked up when first needed, so the program still starts on the
// systems that lack them and falls back to the system's one DPI there.
using DpiForWindowFunction = UINT(WINAPI*)(HWND);
using FrameForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

constexpr int PointsPerInch = 72;

struct ScaledFont {
    UINT dpi;
    HFONT font;
};

// The dialog font at each DPI a window of the program has been laid out at.
std::vector<ScaledFont> fonts;

template <typename Function>
Function User32Function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleA("user32.dll"), name);
    // Through a function type without arguments, the one cast between function types that says
    // the caller knows the real type.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// For a program aware of the DPI, the DPI of the primary monitor when the session began.
UINT SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : TableDpi;
}

} // namespace

UINT DpiOfWindow(HWND window) {
    static const auto dpiForWindow = User32Function<DpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = window && dpiForWindow ? dpiForWindow(window) : 0;
    return dpi ? dpi : SystemDpi();
}

int ScaledToDpi(int units, UINT dpi) {
    return MulDiv(units, static_cast<int>(dpi), static_cast<int>(TableDpi));
}

RECT FrameForDpi(int clientWidth, int clientHeight, DWORD style, UINT dpi) {
    static const auto frameForDpi = User32Function<FrameForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    if (!frameForDpi || !frameForDpi(&frame, style, FALSE, 0, dpi)) {
        AdjustWindowRectEx(&frame, style, FALSE, 0);
    }
    return frame;
}

// The system makes its dialog font for its own DPI; a window gets the same font at the same size
// in points for the window's DPI. The size goes back to its pixels at 96 DPI and from there to
// whole points, as the font was made from them (8 points: 11 pixels at 96 DPI, 21 at 192, not
// 22), so at the system's DPI it is the system's font, pixel for pixel.
HFONT FontForDpi(UINT dpi) {
    for (const ScaledFont& made : fonts) {
        if (made.dpi == dpi) {
            return made.font;
        }
    }
    LOGFONTA shape{};
    if (!GetObjectA(DefaultGuiFont(), sizeof shape, &shape)) {
        return DefaultGuiFont();
    }
    const int pixels = shape.lfHeight < 0 ? -shape.lfHeight : shape.lfHeight;
    const int pixelsAtTableDpi = MulDiv(pixels, TableDpi, static_cast<int>(SystemDpi()));
    const int points = MulDiv(pixelsAtTableDpi, PointsPerInch, TableDpi);
    shape.lfHeight = -MulDiv(points, static_cast<int>(dpi), PointsPerInch);
    const HFONT font = CreateFontIndirectA(&shape);
    if (!font) {
        return DefaultGuiFont();
    }
    fonts.push_back({dpi, font});
    return font;
}

void FreeScaledFonts() {
    for (const ScaledFont& made : fonts) {
        DeleteObject(made.font);
    }
    fonts.clear();
}
