// What the benchmark measures of a running program under Wine, each as one sample; the caller
// takes the median of several.
#pragma once

#include <string>
#include <vector>

// Milliseconds from asking Wine to start `path` until its main window is visible, with the arrows
// of the spin field `lastSpin` (the last control made) created when it is not 0; negative when
// that never happened. The process is ended afterwards, its peak memory (kilobytes) left in
// `peakKilobytes`.
double StartUpMilliseconds(const std::string& path, int lastSpin, long& peakKilobytes);

// One button's click, in milliseconds: from the click until the button's notification reached the
// window procedure (the platform's input delivery), from there until the last control it changes
// shows its new state to another process (the program's own work), and the whole.
struct Response {
    double delivery = -1;
    double own = -1;
    double total = -1;
};

// "Calculate OAM" until the new entry is in the value field, and "Get Attributes" until the
// decoded numbers are in the Y field and in the palette field, the last it sets; on the program's
// timed build (bench/win32/timed_main.cpp), already running.
struct Responses {
    Response calculate;
    Response getAttributes;
};
Responses ResponseMilliseconds(const std::string& timedPath, int samples);

// Percent of one processor core that the program (and Wine's server, working for it) used over
// `seconds` with nothing happening.
struct IdleUse {
    double program = -1;
    double server = -1;
};
IdleUse IdleProcessorPercent(const std::string& path, int seconds);

double Median(std::vector<double> samples);
