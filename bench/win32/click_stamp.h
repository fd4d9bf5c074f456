// Where the benchmark's timed build of the program leaves the moment a button's click reached its
// window procedure, so that the benchmark can split a click's response into the platform's input
// delivery and the program's own work. Both processes read the same performance counter.
#pragma once

#include <cstdint>

constexpr const char* ClickStampName = "OamcalcBenchClickStamp";

struct ClickStamp {
    volatile std::int64_t counter; // QueryPerformanceCounter at the notification; 0 before any
};
