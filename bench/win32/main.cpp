// `make bench`, the part under Wine: the program beside a minimal window program (start-up,
// memory, size) and beside its never-waiting build (idle processor use), each figure the median
// of several runs taken in this one run.
//
//   measure.exe PROGRAM NEVER_WAITING_PROGRAM MINIMAL_PROGRAM
#include "bench/win32/measures.h"

#include "runtime/controls.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Runs = 5;
constexpr int ResponseSamples = 9;
constexpr int IdleSeconds = 5;

long FileBytes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)
               ? static_cast<long>(data.nFileSizeLow)
               : -1;
}

void Row(const char* what, double program, double other, const char* figure, const char* goal) {
    std::printf("| %-34s | %10.2f | %10.2f | %-14s | %-10s |\n", what, program, other, figure,
                goal);
}

std::string Ratio(double a, double b) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", b > 0 ? a / b : -1.0);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: measure PROGRAM NEVER_WAITING_PROGRAM MINIMAL_PROGRAM\n");
        return 2;
    }
    const std::string program = argv[1];
    const std::string neverWaiting = argv[2];
    const std::string minimal = argv[3];

    std::vector<double> programStart, minimalStart, programPeak, minimalPeak;
    for (int run = 0; run < Runs; ++run) {
        long peak = 0;
        programStart.push_back(StartUpMilliseconds(program, PaletteNumberSpin, peak));
        programPeak.push_back(static_cast<double>(peak));
        minimalStart.push_back(StartUpMilliseconds(minimal, 0, peak));
        minimalPeak.push_back(static_cast<double>(peak));
    }
    Responses responses = ResponseMilliseconds(program, ResponseSamples);

    std::vector<double> idleProgram, idleServer, busyProgram, busyServer;
    for (int run = 0; run < Runs; ++run) {
        IdleUse sleeping = IdleProcessorPercent(program, IdleSeconds);
        idleProgram.push_back(sleeping.program);
        idleServer.push_back(sleeping.server);
        IdleUse polling = IdleProcessorPercent(neverWaiting, IdleSeconds);
        busyProgram.push_back(polling.program);
        busyServer.push_back(polling.server);
    }

    const double start = Median(programStart);
    const double baseStart = Median(minimalStart);
    const double peak = Median(programPeak);
    const double basePeak = Median(minimalPeak);
    std::printf("| %-34s | %10s | %10s | %-14s | %-10s |\n", "under Wine (median of runs)",
                "oamcalc", "baseline", "figure", "goal");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(12, '-').c_str(),
                std::string(12, '-').c_str(), std::string(16, '-').c_str(),
                std::string(12, '-').c_str());
    Row("start-up to window, ms (vs minimal)", start, baseStart,
        ("ratio " + Ratio(start, baseStart)).c_str(), "<= 1.15");
    Row("click Calculate OAM to text, ms", responses.calculate, 0, "", "< 16.7");
    Row("click Get Attributes to fields, ms", responses.getAttributes, 0, "", "< 16.7");
    Row("idle CPU, % of a core (vs never-wait)", Median(idleProgram), Median(busyProgram), "",
        "<= 0.5");
    Row("  wineserver meanwhile, % of a core", Median(idleServer), Median(busyServer), "", "");
    Row("peak memory, KiB (vs minimal)", peak, basePeak, ("ratio " + Ratio(peak, basePeak)).c_str(),
        "");
    Row("exe size, bytes (vs minimal)", static_cast<double>(FileBytes(program)),
        static_cast<double>(FileBytes(minimal)), "", "");
    return 0;
}
