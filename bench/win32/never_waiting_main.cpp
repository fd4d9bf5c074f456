// The program with a loop that polls without ever sleeping, built only so the benchmark can show
// what sleeping while idle saves.
#include "ui/event_loop.h"

int main() {
    return RunProgram(IdleLoop::NeverWait);
}
