// What a screen reader reads of a field, a spin field or a list on Windows, through the platform's
// own accessibility interface (oleacc): its role, and as its name the text of the label just
// before it in z-order, which is creation order. Wine's oleacc follows that rule for the edit
// control (the field and the spin fields' numbers) but reads a list as a plain window, by its
// item; there the list is held to what Windows reads: its class and the label before it.
#include "tests/support/win32/windows_seen.h"
#include "tests/support/window_description.h"
#include "tests/win32/layer_fixture.h"

#include <oleacc.h>

namespace {

TEST_F(Win32Window, OleaccNamesEachFieldSpinFieldAndListByTheLabelBeforeIt) {
    const WindowDescription described = ReadWindowDescription();
    for (std::size_t at = 1; at < described.controls.size(); ++at) {
        const DescribedControl& c = described.controls[at];
        if (c.kind != "field" && c.kind != "spin" && c.kind != "list") {
            continue;
        }
        const std::string& label = described.controls[at - 1].texts.front();
        const HWND control = ControlWindow(c.id);
        // The import library gives IID_IAccessible as a function's address: __uuidof is the id.
        IAccessible* node = nullptr;
        ASSERT_HRESULT_SUCCEEDED(
            AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible), reinterpret_cast<void**>(&node)));
        VARIANT self{}, role{};
        self.vt = VT_I4;
        BSTR name = nullptr;
        node->get_accRole(self, &role);
        node->get_accName(self, &name);
        if (role.lVal == ROLE_SYSTEM_CLIENT) {
            EXPECT_TRUE(c.kind == "list" && HasClass(control, "ComboBox")) << c.id;
            EXPECT_EQ(WindowTextOf(GetWindow(control, GW_HWNDPREV)), label);
        } else {
            EXPECT_EQ(role.lVal, c.kind == "list" ? ROLE_SYSTEM_COMBOBOX : ROLE_SYSTEM_TEXT)
                << c.id;
            EXPECT_EQ(std::wstring(name ? name : L""), std::wstring(label.begin(), label.end()));
        }
        SysFreeString(name);
        node->Release();
    }
}

} // namespace
