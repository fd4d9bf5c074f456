// The program with notes for the benchmark's driver on its standard output: "shown MS X Y" once
// the window's first frame is on the screen (X and Y: where its inner area starts), and
// "text ID TEXT MS" whenever a frame shows a new text in the value field or the palette field.
#include "bench/qt/frame_stamps.h"

#include "runtime/qt/layer.h"
#include "ui/event_loop.h"

#include <cstdio>
#include <map>

int main() {
    StartControls();
    bool shown = false;
    std::map<ControlId, Text> texts = {{OamValueField, ""}, {PaletteNumberSpin, ""}};
    StampFrames([&](double milliseconds) {
        const QWidget* window = ParentForNewControls();
        if (!window) {
            return;
        }
        if (!shown) {
            shown = true;
            const QPoint inner = window->mapToGlobal(QPoint(0, 0));
            std::printf("shown %.3f %d %d\n", milliseconds, inner.x(), inner.y());
        }
        for (auto& [id, text] : texts) {
            if (GetControlText(id) != text) {
                text = GetControlText(id);
                std::printf("text %d %s %.3f\n", id, text.c_str(), milliseconds);
            }
        }
        std::fflush(stdout);
    });
    return RunProgram();
}
