#include "tests/e2e/screenshot.h"

#include "tests/e2e/wait.h"

#include <windows.h>

// GDI+ needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>

#include <gdiplus.h>

#include <cstdlib>
#include <vector>

namespace {

// GDI+'s built-in PNG encoder.
constexpr CLSID PngEncoder = {
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

std::wstring Wide(const std::string& text) {
    return {text.begin(), text.end()};
}

bool SaveBitmap(HBITMAP bitmap, const std::string& path) {
    Gdiplus::GdiplusStartupInput startup;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &startup, nullptr) != Gdiplus::Ok) {
        return false;
    }
    Gdiplus::GpBitmap* image = nullptr;
    bool saved = false;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok) {
        saved = Gdiplus::DllExports::GdipSaveImageToFile(image, Wide(path).c_str(), &PngEncoder,
                                                         nullptr) == Gdiplus::Ok;
        Gdiplus::DllExports::GdipDisposeImage(image);
    }
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

// The screen is read back from the X server, where a window shows only once its process has
// painted it and handed the picture over; both happen in the program's own time.
constexpr DWORD SteadyMs = 300;
constexpr DWORD DrawnTimeoutMs = 10000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// Whether any window of the program still waits to be painted.
bool SomethingLeftToPaint(const Program& program) {
    std::vector<HWND> windows;
    EnumThreadWindows(program.process.dwThreadId, CollectWindow,
                      reinterpret_cast<LPARAM>(&windows));
    const std::size_t topLevel = windows.size();
    for (std::size_t i = 0; i < topLevel; ++i) {
        EnumChildWindows(windows[i], CollectWindow, reinterpret_cast<LPARAM>(&windows));
    }
    for (const HWND window : windows) {
        if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
            return true;
        }
    }
    return false;
}

struct ScreenCopy {
    int width = 0;
    int height = 0;
    HDC screen = nullptr;
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    void* pixels = nullptr;
};

ScreenCopy OpenScreenCopy() {
    ScreenCopy copy;
    copy.width = GetSystemMetrics(SM_CXSCREEN);
    copy.height = GetSystemMetrics(SM_CYSCREEN);
    copy.screen = GetDC(nullptr);
    copy.memory = CreateCompatibleDC(copy.screen);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = copy.width;
    format.bmiHeader.biHeight = -copy.height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    copy.bitmap = CreateDIBSection(copy.screen, &format, DIB_RGB_COLORS, &copy.pixels, nullptr, 0);
    copy.previous = SelectObject(copy.memory, copy.bitmap);
    return copy;
}

// The pixels of the screen as they are now.
std::vector<char> Capture(const ScreenCopy& copy) {
    BitBlt(copy.memory, 0, 0, copy.width, copy.height, copy.screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const char*>(copy.pixels);
    return {pixels, pixels + static_cast<std::size_t>(copy.width) * copy.height * 4};
}

// Lets go of the bitmap, which can only be read once no device context holds it.
void ReleaseScreen(ScreenCopy& copy) {
    SelectObject(copy.memory, copy.previous);
    DeleteDC(copy.memory);
    ReleaseDC(nullptr, copy.screen);
}

void CloseScreenCopy(ScreenCopy& copy) {
    DeleteObject(copy.bitmap);
}

} // namespace

std::string ScreenshotPath(const std::string& name) {
    const char* folder = std::getenv("OAMCALC_SCREENSHOTS");
    if (!folder) {
        return name;
    }
    CreateDirectoryA(folder, nullptr);
    return std::string(folder) + "\\" + name;
}

bool SaveScreenshot(const Program& program, const std::string& path) {
    WaitUntil([&] { return !SomethingLeftToPaint(program); }, DrawnTimeoutMs);
    ScreenCopy copy = OpenScreenCopy();
    std::vector<char> last = Capture(copy);
    ULONGLONG lastChange = GetTickCount64();
    WaitUntil(
        [&] {
            std::vector<char> now = Capture(copy);
            if (now != last) {
                last = std::move(now);
                lastChange = GetTickCount64();
            }
            return GetTickCount64() - lastChange >= SteadyMs;
        },
        DrawnTimeoutMs);
    ReleaseScreen(copy);
    const bool saved = SaveBitmap(copy.bitmap, path);
    CloseScreenCopy(copy);
    return saved;
}
