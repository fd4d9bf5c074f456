#include "bench/win32/measures.h"

#include "bench/win32/click_stamp.h"

#include "harness/win32/person.h"
#include "harness/win32/program.h"
#include "runtime/controls.h"

#include <windows.h>

#include <commctrl.h>

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
constexpr DWORD QuietMs = 500;
constexpr DWORD QuietTimeoutMs = 10000;

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

// A wineserver of another Wine prefix (another checkout's tests) works for others. Wine hands its
// own Unix environment on to the processes it starts.
bool SharesOurWinePrefix(int linuxPid) {
    const char* prefix = std::getenv("WINEPREFIX");
    return !prefix ||
           LinuxProcessFile(linuxPid, "environ").find(std::string("WINEPREFIX=") + prefix + '\0') !=
               std::string::npos;
}

// Waits until what Wine does in the process right after an action (painting, X events) is over:
// until its processor time has stopped growing for a while.
void WaitUntilQuiet(int linuxPid) {
    std::int64_t last = ProcessorTicks(linuxPid);
    ULONGLONG lastChange = GetTickCount64();
    WaitUntil(
        [&] {
            const std::int64_t now = ProcessorTicks(linuxPid);
            if (now != last) {
                last = now;
                lastChange = GetTickCount64();
            }
            return GetTickCount64() - lastChange >= QuietMs;
        },
        QuietTimeoutMs);
}

// The Linux process that appeared for the program started from `path`: Wine does not say which
// one it is, but only one can have started since `before` was taken. 0 when that is not so.
int NewLinuxProcess(const std::vector<int>& before, const std::string& path) {
    std::vector<int> started;
    for (const int pid : LinuxProcessesNaming(path)) {
        if (std::find(before.begin(), before.end(), pid) == before.end()) {
            started.push_back(pid);
        }
    }
    return started.size() == 1 ? started.front() : 0;
}

// The number a spin field's arrows hold.
int SpinNumber(const Program& program, ControlId spin) {
    return static_cast<int>(Ask(Arrows(program, spin), UDM_GETPOS32));
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
    const HWND control = Control(program, button);
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
    Click(program, button);
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
    for (int pid : LinuxProcessesNaming("wineserver")) {
        ticks += SharesOurWinePrefix(pid) ? std::max<std::int64_t>(ProcessorTicks(pid), 0) : 0;
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
    std::vector<int> before = LinuxProcessesNaming(path);
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
        started.window = MainWindowOf(process.dwProcessId);
        if (started.window && (lastSpin == 0 || Arrows(started, lastSpin))) {
            shown = Now() - start;
            break;
        }
        Sleep(0);
    }
    Sleep(SettleMs);
    const int linuxPid = NewLinuxProcess(before, path);
    peakKilobytes = linuxPid ? PeakKilobytesOf(linuxPid) : -1;
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
        if (!Type(program, YCoordinateSpin, std::to_string(y))) {
            break;
        }
        calculate.push_back(TimeClick(program, *stamp, CalculateOamButton,
                                      [&] { return Shown(program, OamValueField) == entry; }));
        std::snprintf(entry, sizeof entry, "00%02X0000%X000", y + 100, palette);
        if (!Type(program, OamValueField, entry)) {
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
    const std::vector<int> before = LinuxProcessesNaming(path);
    const int linuxPid = StartProgram(program, path) ? NewLinuxProcess(before, path) : 0;
    if (linuxPid == 0) {
        StopProgram(program);
        return use;
    }
    WaitUntilQuiet(linuxPid);
    std::int64_t programBefore = ProcessorTicks(linuxPid);
    std::int64_t serverBefore = ServerTicks();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    std::int64_t programAfter = ProcessorTicks(linuxPid);
    std::int64_t serverAfter = ServerTicks();
    StopProgram(program);
    double ticksAvailable = static_cast<double>(seconds * LinuxTicksPerSecond);
    use.program = 100.0 * static_cast<double>(programAfter - programBefore) / ticksAvailable;
    use.server = 100.0 * static_cast<double>(serverAfter - serverBefore) / ticksAvailable;
    return use;
}
