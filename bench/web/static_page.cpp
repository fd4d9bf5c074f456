// The web program's start-up peer: the same window as plain HTML, written from the program's own
// window table with the elements, boxes, texts and items the page's script makes, and no program.
// Prints the window's markup; the build puts it into the page's shell.
#include "ui/window_table.h"

#include <cstdio>
#include <string_view>

namespace {

void Open(const char* tag, int id, const ControlBox& box, const char* attributes = "") {
    std::printf("<%s id=\"oam%d\" style=\"left:%dpx;top:%dpx;width:%dpx;height:%dpx\"%s>", tag, id,
                box.x, box.y, box.width, box.height, attributes);
}

// The label's words, with the colon after them drawn but not read out, as the page shows it.
void LabelText(std::string_view text) {
    const std::size_t colon = text.find_last_not_of(" :") + 1;
    std::printf("%.*s<span aria-hidden=\"true\">%.*s</span>", static_cast<int>(colon), text.data(),
                static_cast<int>(text.size() - colon), text.data() + colon);
}

} // namespace

int main() {
    std::printf("<div class=\"window\" style=\"width:%dpx;height:%dpx\">\n", MainWindowClientWidth,
                MainWindowClientHeight);
    int serial = 0;
    for (const ControlRow& row : ControlRows()) {
        const int id = ++serial;
        const char* disabled = row.holds.startsDisabled ? " disabled" : "";
        switch (row.kind) {
        case ControlKind::TextLabel:
            std::printf("<label for=\"oam%d\" style=\"left:%dpx;top:%dpx;width:%dpx;height:%dpx\">",
                        id + 1, row.box.x, row.box.y, row.box.width, row.box.height);
            LabelText(row.holds.text);
            std::printf("</label>\n");
            break;
        case ControlKind::TextField:
            Open("input", id, row.box, " type=\"text\" autocomplete=\"off\"");
            std::printf("\n");
            break;
        case ControlKind::Button:
            Open("button", id, row.box, " type=\"button\"");
            std::printf("%s</button>\n", row.holds.text);
            break;
        case ControlKind::Frame:
            Open("fieldset", id, row.box);
            std::printf("<legend>%s</legend></fieldset>\n", row.holds.text);
            break;
        case ControlKind::SpinField:
            std::printf("<span class=\"spin\" style=\"left:%dpx;top:%dpx;width:%dpx;height:%dpx\">"
                        "<input id=\"oam%d\" type=\"text\" role=\"spinbutton\" value=\"0\"%s>"
                        "<span><button class=\"arrow\" type=\"button\" tabindex=\"-1\"%s></button>"
                        "<button class=\"arrow\" type=\"button\" tabindex=\"-1\"%s></button>"
                        "</span></span>\n",
                        row.box.x, row.box.y, row.box.width, row.box.height, id, disabled, disabled,
                        disabled);
            break;
        case ControlKind::DropDownList:
            Open("select", id, row.box, disabled);
            for (const char* item : row.holds.items) {
                std::printf("<option>%s</option>", item);
            }
            std::printf("</select>\n");
            break;
        }
    }
    std::printf("</div>\n");
    return 0;
}
