// Setting the layer up and taking it down.
#include "runtime/win32/layer.h"

#include <commctrl.h>

namespace {

// The version 6 buttons, edits, statics and combo boxes, and the spin fields' arrows.
constexpr DWORD CommonControlClasses = ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS;

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
}

void StopControls() {
    CloseAllWindows();
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
