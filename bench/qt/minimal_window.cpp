// The least a Qt program can be that shows a window of the program's size: the baseline for its
// start-up and memory. Prints "shown MS" once the first frame is on the screen. Built a second
// time with one label of the program's in it, which shows what drawing any text costs at first.
#include "bench/qt/frame_stamps.h"

#include "ui/window_table.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(MainWindowClientWidth, MainWindowClientHeight);
#ifdef MINIMAL_WINDOW_WITH_LABEL
    const ControlRow& first = ControlRows().front();
    QLabel label(first.holds.text, &window);
    label.setGeometry(first.box.x, first.box.y, first.box.width, first.box.height);
#endif
    bool shown = false;
    StampFrames([&shown](double milliseconds) {
        if (!shown) {
            shown = true;
            std::printf("shown %.3f\n", milliseconds);
            std::fflush(stdout);
        }
    });
    window.show();
    return application.exec();
}
