// What a screen reader reads of the window on Windows, through the platform's own accessibility
// interface (oleacc): every control's role and name. A field, a spin field or a list is named by
// the label just before it in z-order, which is creation order. Wine's oleacc knows only the edit
// control of these classes: it names a field and a spin field by their labels as Windows does,
// but reads the others as plain windows (a list by its item), so for those the test holds the
// window to what Windows reads them from, their class and the label before them.
#include "tests/support/win32/windows_seen.h"
#include "tests/support/window_description.h"
#include "tests/win32/layer_fixture.h"

#include <oleacc.h>

#include <map>

namespace {

struct ReadAs {
    long role;             // as Windows reads it
    const char* className; // what Windows reads that role from
};

const std::map<std::string, ReadAs> ReadAsOfKind = {
    {"label", {ROLE_SYSTEM_STATICTEXT, "Static"}},  {"field", {ROLE_SYSTEM_TEXT, "Edit"}},
    {"button", {ROLE_SYSTEM_PUSHBUTTON, "Button"}}, {"frame", {ROLE_SYSTEM_GROUPING, "Button"}},
    {"spin", {ROLE_SYSTEM_TEXT, "Edit"}},           {"list", {ROLE_SYSTEM_COMBOBOX, "ComboBox"}}};

struct Heard {
    long role = -1;
    std::string name = "(no node)";
};

std::string Narrow(BSTR wide) {
    const int length = static_cast<int>(SysStringLen(wide));
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

// The import library gives IID_IAccessible as a function's address; __uuidof is the identifier.
Heard HeardOf(HWND control) {
    Heard heard;
    IAccessible* node = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&node)))) {
        return heard;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    if (SUCCEEDED(node->get_accRole(self, &role)) && role.vt == VT_I4) {
        heard.role = role.lVal;
    }
    BSTR name = nullptr;
    heard.name = SUCCEEDED(node->get_accName(self, &name)) && name ? Narrow(name) : "";
    SysFreeString(name);
    node->Release();
    return heard;
}

TEST_F(Win32Window, OleaccReadsEveryControlByItsRoleAndItsLabelOrOwnText) {
    const WindowDescription described = ReadWindowDescription();
    int namedByOleacc = 0;
    for (std::size_t at = 0; at < described.controls.size(); ++at) {
        const DescribedControl& c = described.controls[at];
        SCOPED_TRACE("control " + std::to_string(c.id));
        const HWND control = ControlWindow(c.id);
        const Heard heard = HeardOf(control);
        const ReadAs& readAs = ReadAsOfKind.at(c.kind);
        const bool plainWindow = heard.role == ROLE_SYSTEM_CLIENT;
        EXPECT_TRUE(heard.role == readAs.role ||
                    (plainWindow && HasClass(control, readAs.className)))
            << "role " << heard.role;
        if (c.kind != "field" && c.kind != "spin" && c.kind != "list") {
            EXPECT_EQ(heard.name, c.texts.front());
            continue;
        }
        const HWND label = GetWindow(control, GW_HWNDPREV);
        const std::string& labelText = described.controls.at(at - 1).texts.front();
        EXPECT_TRUE(HasClass(label, "Static"));
        EXPECT_EQ(WindowTextOf(label), labelText) << "the label just before it";
        if (!plainWindow) {
            EXPECT_EQ(heard.name, labelText);
            ++namedByOleacc;
        }
    }
    // The field and the five spin fields, on Wine as on Windows.
    EXPECT_GE(namedByOleacc, 6);
}

} // namespace
