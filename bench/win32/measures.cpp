#include "bench/win32/measures.h"

#include "bench/win32/click_stamp.h"

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
// Palette numbers 1 to 15: never 0, the number the field starts with.
constexpr int PaletteCount = 15;

double Milliseconds(std::int64_t counter) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter) / static_cast<double>(frequency.QuadPart);
}

double Now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return Milliseconds(counter.QuadPart);
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

// Clicks a button and times its response until `done` holds. A watcher thread sees the change as
// it comes, while the click itself waits for the mouse to settle. The timed build notes the
// notification in `stamp`.
template <typename Done>
Response TimeClick(const Program& program, ClickStamp& stamp, ControlId button, Done done) {
    Response response;
    const HWND control = ControlWindow(program, button);
    if (!control) {
        return response;
    }
    stamp.counter = 0;
    std::atomic<double> seen{-1};
    const double start = Now();
    std::thread watcher([&] {
        while (Now() - start < ResponseTimeoutMs) {
            if (done()) {
                seen = Now();
                return;
            }
        }
    });
    ClickAt(CentreOf(control));
    watcher.join();
    if (seen < 0 || stamp.counter == 0) {
        return response;
    }
    const double notified = Milliseconds(stamp.counter);
    response.delivery = notified - start;
    response.own = seen - notified;
    response.total = seen - start;
    return response;
}

Response MedianResponse(const std::vector<Response>& samples) {
    std::vector<double> delivery, own, total;
    for (const Response& sample : samples) {
        delivery.push_back(sample.delivery);
        own.push_back(sample.own);
        total.push_back(sample.total);
    }
    return {Median(delivery), Median(own), Median(total)};
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

double StartUpMilliseconds(const std::string& path, int lastSpin, long& peakKilobytes) {
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
        Program started;
        started.window = FindMainWindow(process.dwProcessId);
        if (started.window && (lastSpin == 0 || SpinArrows(started, lastSpin))) {
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

Responses ResponseMilliseconds(const std::string& timedPath, int samples) {
    Program program;
    Responses responses;
    if (!StartProgram(program, timedPath)) {
        return responses;
    }
    const HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, ClickStampName);
    auto* stamp = mapping ? static_cast<ClickStamp*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0,
                                                                   0, sizeof(ClickStamp)))
                          : nullptr;
    std::vector<Response> calculate;
    std::vector<Response> getAttributes;
    int shownPalette = 0; // what Calculate OAM encodes along with the new Y coordinate
    for (int sample = 1; stamp && sample <= samples; ++sample) {
        // A Y coordinate and a palette not shown before, so each click has something new to show.
        int y = 10 + sample;
        int palette = 1 + sample % PaletteCount;
        char entry[13];
        std::snprintf(entry, sizeof entry, "00%02X0000%X000", y, shownPalette);
        if (!TypeInto(program, YCoordinateSpin, std::to_string(y))) {
            break;
        }
        calculate.push_back(TimeClick(program, *stamp, CalculateOamButton, [&] {
            return ControlText(program, OamValueField) == entry;
        }));
        std::snprintf(entry, sizeof entry, "00%02X0000%X000", y + 100, palette);
        if (!TypeInto(program, OamValueField, entry)) {
            break;
        }
        getAttributes.push_back(TimeClick(program, *stamp, GetAttributesButton, [&] {
            return SpinNumber(program, YCoordinateSpin) == y + 100 &&
                   SpinNumber(program, PaletteNumberSpin) == palette;
        }));
        shownPalette = palette;
    }
    if (stamp) {
        UnmapViewOfFile(stamp);
    }
    if (mapping) {
        CloseHandle(mapping);
    }
    StopProgram(program);
    responses.calculate = MedianResponse(calculate);
    responses.getAttributes = MedianResponse(getAttributes);
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
