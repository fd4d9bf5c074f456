// The program takes no command line: everything it is given comes from its window.
#include "ui/event_loop.h"

int main() {
    return RunProgram();
}
