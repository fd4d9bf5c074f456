// Setting the layer up, the window and the six kinds of control, each a form element of the page.
#include "runtime/web/layer.h"

#include <string>

namespace {

int windowWidth = 0;

// Creation is the program's own change; a control made under a number that held one replaces it.
template <typename Make>
bool Create(ControlId id, ControlKind kind, ControlBox box, Make make) {
    if (id < 0 || windowWidth == 0) {
        return false;
    }
    int serial = 0;
    OwnChange([&] {
        serial = make();
        if (serial == 0) {
            return;
        }
        if (const int old = SerialOf(id)) {
            oam_page_remove(old);
        }
        RecordControl(id, HandleOfSerial(serial), kind, box);
        NameControlsByLabels();
    });
    NoteLabelsChanged();
    return serial != 0;
}

std::string Chars(TextRef text) {
    return std::string(text.chars);
}

} // namespace

int OpenWindowWidth() {
    return windowWidth;
}

void StartControls() {
    StopControls();
}

void StopControls() {
    oam_page_close_window();
    windowWidth = 0;
    ClearControlTable();
    ResetEvents();
}

// A centred window stands in the middle of the viewport, at its top-left corner when the viewport
// is smaller. A tab has no frame, so the other flags ask for nothing the page can give.
bool OpenMainWindow(int number, int x, int y, int width, int height, TextRef title,
                    std::int32_t flags) {
    if (number != MainWindow || width <= 0 || height <= 0) {
        return false;
    }
    StopControls();
    windowWidth = width;
    return oam_page_open_window(x, y, width, height, (flags & CentreOnScreenFlag) != 0,
                                Chars(title).c_str()) != 0;
}

bool CreateTextLabel(ControlId id, int x, int y, int width, int height, TextRef text) {
    return Create(id, ControlKind::TextLabel, {x, y, width, height}, [&] {
        const int serial = oam_page_label(x, y, width, height);
        if (serial) {
            ShowLabel(serial, text.chars);
        }
        return serial;
    });
}

bool CreateTextField(ControlId id, int x, int y, int width, int height, TextRef text,
                     std::int32_t flags) {
    return Create(id, ControlKind::TextField, {x, y, width, height}, [&] {
        return oam_page_field(x, y, width, height, Chars(text).c_str(),
                              (flags & UpperCaseFlag) != 0);
    });
}

bool CreateButton(ControlId id, int x, int y, int width, int height, TextRef text) {
    return Create(id, ControlKind::Button, {x, y, width, height},
                  [&] { return oam_page_button(x, y, width, height, Chars(text).c_str()); });
}

bool CreateFrame(ControlId id, int x, int y, int width, int height, TextRef caption) {
    return Create(id, ControlKind::Frame, {x, y, width, height},
                  [&] { return oam_page_frame(x, y, width, height, Chars(caption).c_str()); });
}

// The field always shows the number it holds, so BuddyNumberFlag is how it always behaves.
bool CreateSpinField(ControlId id, int x, int y, int width, int height, std::int32_t minimum,
                     std::int32_t maximum, std::int32_t) {
    return Create(id, ControlKind::SpinField, {x, y, width, height},
                  [&] { return oam_page_spin(x, y, width, height, minimum, maximum); });
}

bool CreateDropDownList(ControlId id, int x, int y, int width, int height) {
    return Create(id, ControlKind::DropDownList, {x, y, width, height},
                  [&] { return oam_page_list(x, y, width, height); });
}
