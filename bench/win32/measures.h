// What the benchmark measures of a running program under Wine, each as one sample; the caller
// takes the median of several.
#pragma once

#include <string>
#include <vector>

// Milliseconds from asking Wine to start `path` until its main window is visible, with the
// control `lastControl` created when it is not 0; negative when that never happened. The process
// is ended afterwards, its peak memory (kilobytes) left in `peakKilobytes`.
double StartUpMilliseconds(const std::string& path, int lastControl, long& peakKilobytes);

// Milliseconds from a click on "Calculate OAM" to the new entry in the value field, and from a
// click on "Get Attributes" to the decoded number in the Y field, on a program already running.
struct Responses {
    double calculate = -1;
    double getAttributes = -1;
};
Responses ResponseMilliseconds(const std::string& path, int samples);

// Percent of one processor core that the program (and Wine's server, working for it) used over
// `seconds` with nothing happening.
struct IdleUse {
    double program = -1;
    double server = -1;
};
IdleUse IdleProcessorPercent(const std::string& path, int seconds);

double Median(std::vector<double> samples);
