// The program with a loop that polls without ever sleeping, built only so the benchmark can show
// what sleeping while idle saves: the program's own start-up and passes, and no wait between them.
#include "ui/event_loop.h"
#include "ui/main_window.h"

int main() {
    StartControls();
    if (!BuildMainWindow()) {
        return 1;
    }
    while (RunPass() != CloseEvent) {
    }
    StopControls();
    return 0;
}
