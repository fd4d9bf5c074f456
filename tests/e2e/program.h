// The program under test as a separate process: started as a person starts it, found by its
// window, and ended.
#pragma once

#include <windows.h>

#include <string>

struct Program {
    PROCESS_INFORMATION process{};
    HWND window = nullptr; // the main window, once it is on the screen
    int linuxPid = 0;      // the Linux process Wine runs it in; 0 when it could not be told apart
};

// Where the build put the program, from OAMCALC_PROGRAM (a Windows path).
std::string ProgramPath();

// Starts the program and waits until its window is up with every control created and the
// program waiting for input. False (with nothing left running) when that does not happen.
bool StartProgram(Program& program, const std::string& path);

// The process's visible top-level window that is not a message box, or nullptr.
HWND FindMainWindow(DWORD processId);

bool IsRunning(const Program& program);

// True when the process ended within `timeoutMs`; `exitCode` then holds its exit code.
bool WaitForExit(const Program& program, DWORD timeoutMs, DWORD& exitCode);

// Ends the program if it still runs (asking its window first, then by force) and releases the
// handles, so that no process outlives the test that started it.
void StopProgram(Program& program);
