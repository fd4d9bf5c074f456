// The program under test as a separate process: started as a person starts it, found by its
// window, and ended; and what Linux knows of it, read through Wine's Z: drive (the Linux root),
// since GetProcessTimes of another process never advances under Wine.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Long enough for a loaded machine running Wine; a wait that times out is a failed check.
constexpr DWORD DefaultTimeoutMs = 5000;
constexpr DWORD PollIntervalMs = 10;

// What another process does, it does in its own time: true as soon as `condition` holds, false
// when it still does not after `timeoutMs`.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = DefaultTimeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(PollIntervalMs);
    }
    return true;
}

struct Program {
    PROCESS_INFORMATION process{};
    HWND window = nullptr; // the main window, once it is on the screen
};

// Where the build put the program, from OAMCALC_PROGRAM (a Windows path).
std::string ProgramPath();

// Starts the program and waits until its window is built and the loop has made its first pass.
// False, with nothing left running, when that does not happen.
bool StartProgram(Program& program, const std::string& path = ProgramPath());

// The process's visible top-level window that is not a message box, or nullptr.
HWND MainWindowOf(DWORD processId);

// Ends the program if it still runs and lets go of it.
void StopProgram(Program& program);

// Linux counts processor time in ticks of USER_HZ, 100 on every architecture Wine runs on.
constexpr std::int64_t LinuxTicksPerSecond = 100;

// The Linux processes whose command line holds `part`: Wine puts there the path a program was
// started by.
std::vector<int> LinuxProcessesNaming(std::string_view part);

// A file of /proc/PID, whole; empty when it cannot be read.
std::string LinuxProcessFile(int linuxPid, const char* name);

// User plus system time of all the process's threads so far; -1 when it cannot be read.
std::int64_t ProcessorTicks(int linuxPid);
