// When a window's frame has reached the screen, for the benchmark's driver, which reads the notes
// a program prints from its standard output.
#pragma once

#include <functional>

// The monotonic clock, shared by every process of the machine, in milliseconds.
double MonotonicMilliseconds();

// Calls `afterFrame` with the clock each time a frame of a window of this application has been
// drawn and handed to the display (at least once per frame).
void StampFrames(std::function<void(double)> afterFrame);
