#include "tests/win32/layer_fixture.h"

namespace {

using MainWindowFrame = Win32Layer;

TEST_F(MainWindowFrame, CanBeMovedAndClosedButNotResized) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window) || IsZoomed(window));
}

TEST_F(MainWindowFrame, CarriesTheProgramIconAndButtonFaceBackground) {
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0U);
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND),
              static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, "WindowClass_0");
}

TEST_F(MainWindowFrame, ReopeningReplacesTheWindowAndItsControls) {
    ASSERT_TRUE(CreateButton(2, 10, 10, 80, 30, "Old"));
    ASSERT_TRUE(OpenMainWindow(MainWindow, 0, 0, 200, 100, "Again", CaptionFlag | SystemMenuFlag));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetControlText(2), "") << "the old window's controls went with it";
    RECT client;
    GetClientRect(ParentWindow(), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
}

TEST_F(MainWindowFrame, ControlsAreChildrenCarryingTheirNumberAndTheGuiFont) {
    ASSERT_TRUE(CreateButton(6, 540, 30, 110, 30, "Calculate OAM"));
    const HWND button = ControlHandle(6);
    EXPECT_EQ(GetParent(button), window);
    EXPECT_EQ(GetDlgCtrlID(button), 6);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));
    const RECT placed = ClientRectOf(button);
    EXPECT_EQ(placed.left, 540);
    EXPECT_EQ(placed.top, 30);
    EXPECT_EQ(placed.right - placed.left, 110);
    EXPECT_EQ(placed.bottom - placed.top, 30);
}

} // namespace
