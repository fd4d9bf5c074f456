// The Linux side of a program that Wine runs, read through Wine's Z: drive (the Linux root):
// GetProcessTimes of another process never advances under Wine, /proc does.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Linux keeps process times in ticks of USER_HZ, which is 100 on every architecture Wine runs on.
constexpr std::int64_t LinuxTicksPerSecond = 100;

// The Linux processes of our Wine prefix whose command line names `fileName` (Wine puts the
// Windows path of the program there), matched without regard to case.
std::vector<int> LinuxProcessesRunning(std::string_view fileName);

// User plus system time the Linux process has used so far, all its threads together, in ticks;
// -1 when the process cannot be read.
std::int64_t ProcessorTicksOf(int linuxPid);

// Waits until what Wine does in the process right after an action (painting, X events) is over:
// until its processor time has stopped growing for a while, or a timeout has passed.
void WaitUntilQuiet(int linuxPid);
