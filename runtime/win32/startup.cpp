// Setting the layer up and taking it down.
#include "runtime/win32/layer.h"

#include <commctrl.h>
#include <objbase.h>

namespace {

constexpr DWORD CommonControlClasses = ICC_TAB_CLASSES | ICC_HOTKEY_CLASS | ICC_DATE_CLASSES |
                                       ICC_USEREX_CLASSES | ICC_INTERNET_CLASSES;

constexpr WORD ProgramIconResource = 1;

HFONT guiFont = nullptr;
HICON programIcon = nullptr;
HCURSOR arrowCursor = nullptr;

} // namespace

void StartControls() {
    ResetEvents();
    ClearControlTable();
    programIcon = LoadIconA(ModuleInstance(), MAKEINTRESOURCEA(ProgramIconResource));
    arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
    guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), CommonControlClasses};
    InitCommonControlsEx(&classes);
    InitCommonControls();
    CoInitialize(nullptr);
}

void StopControls() {
    CloseAllWindows();
    FreeScaledFonts();
    ClearControlTable();
    ResetEvents();
}

HFONT DefaultGuiFont() {
    return guiFont;
}

HICON ProgramIcon() {
    return programIcon;
}

HCURSOR ArrowCursor() {
    return arrowCursor;
}

HINSTANCE ModuleInstance() {
    return GetModuleHandleA(nullptr);
}
