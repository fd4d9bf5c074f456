#include "bench/win32/measures.h"

#include "runtime/controls.h"
#include "tests/e2e/input.h"
#include "tests/e2e/linux_process.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program.h"
#include "tests/e2e/view.h"
#include "tests/e2e/wait.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr DWORD StartTimeoutMs = 30000;
constexpr DWORD ResponseTimeoutMs = 5000;
constexpr DWORD SettleMs = 1000;

double Now() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("\\/") + 1);
}

// The Linux kernel's record of the most memory the process has held (VmHWM), in kilobytes.
long PeakKilobytesOf(int linuxPid) {
    std::string path = "Z:\\proc\\" + std::to_string(linuxPid) + "\\status";
    FILE* status = std::fopen(path.c_str(), "r");
    if (!status) {
        return -1;
    }
    long kilobytes = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmHWM: %ld", &kilobytes) == 1) {
            break;
        }
    }
    std::fclose(status);
    return kilobytes;
}

void EndProcess(PROCESS_INFORMATION& process) {
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, StartTimeoutMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// Clicks a button and gives the milliseconds from the click until `done` holds. A watcher
// thread sees the change as it comes, while the click itself waits for the mouse to settle.
template <typename Done>
double TimeClick(const Program& program, ControlId button, Done done) {
    const HWND control = ControlWindow(program, button);
    if (!control) {
        return -1;
    }
    std::atomic<double> seen{-1};
    const double start = Now();
    std::thread watcher([&] {
        while (Now() - start < ResponseTimeoutMs) {
            if (done()) {
                seen = Now() - start;
                return;
            }
        }
    });
    ClickAt(CentreOf(control));
    watcher.join();
    return seen;
}

std::int64_t ServerTicks() {
    std::int64_t ticks = 0;
    for (int pid : LinuxProcessesRunning("wineserver")) {
        ticks += std::max<std::int64_t>(ProcessorTicksOf(pid), 0);
    }
    return ticks;
}

} // namespace

double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return -1;
    }
    std::sort(samples.begin(), samples.end());
    std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

double StartUpMilliseconds(const std::string& path, int lastControl, long& peakKilobytes) {
    const std::string fileName = FileNameOf(path);
    std::vector<int> before = LinuxProcessesRunning(fileName);
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    double start = Now();
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return -1;
    }
    double shown = -1;
    while (Now() - start < StartTimeoutMs) {
        HWND window = FindMainWindow(process.dwProcessId);
        if (window && (lastControl == 0 || GetDlgItem(window, lastControl))) {
            shown = Now() - start;
            break;
        }
        Sleep(0);
    }
    Sleep(SettleMs);
    peakKilobytes = -1;
    for (int pid : LinuxProcessesRunning(fileName)) {
        if (std::find(before.begin(), before.end(), pid) == before.end()) {
            peakKilobytes = PeakKilobytesOf(pid);
        }
    }
    EndProcess(process);
    return shown;
}

Responses ResponseMilliseconds(const std::string& path, int samples) {
    Program program;
    Responses responses;
    if (!StartProgram(program, path)) {
        return responses;
    }
    std::vector<double> calculate;
    std::vector<double> getAttributes;
    for (int sample = 1; sample <= samples; ++sample) {
        // A Y coordinate not shown before, so each click has something new to show.
        int y = 10 + sample;
        char entry[13];
        std::snprintf(entry, sizeof entry, "00%02X00000000", y);
        if (!TypeInto(program, YCoordinateSpin, std::to_string(y))) {
            break;
        }
        calculate.push_back(TimeClick(program, CalculateOamButton, [&] {
            return ControlText(program, OamValueField) == entry;
        }));
        std::snprintf(entry, sizeof entry, "00%02X00000000", y + 100);
        if (!TypeInto(program, OamValueField, entry)) {
            break;
        }
        getAttributes.push_back(TimeClick(program, GetAttributesButton, [&] {
            return SpinNumber(program, YCoordinateSpin) == y + 100;
        }));
    }
    StopProgram(program);
    responses.calculate = Median(calculate);
    responses.getAttributes = Median(getAttributes);
    return responses;
}

IdleUse IdleProcessorPercent(const std::string& path, int seconds) {
    Program program;
    IdleUse use;
    if (!StartProgram(program, path) || program.linuxPid == 0) {
        StopProgram(program);
        return use;
    }
    WaitUntilQuiet(program.linuxPid);
    std::int64_t programBefore = ProcessorTicksOf(program.linuxPid);
    std::int64_t serverBefore = ServerTicks();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    std::int64_t programAfter = ProcessorTicksOf(program.linuxPid);
    std::int64_t serverAfter = ServerTicks();
    StopProgram(program);
    double ticksAvailable = static_cast<double>(seconds * LinuxTicksPerSecond);
    use.program = 100.0 * static_cast<double>(programAfter - programBefore) / ticksAvailable;
    use.server = 100.0 * static_cast<double>(serverAfter - serverBefore) / ticksAvailable;
    return use;
}
