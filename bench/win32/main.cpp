// `make bench`, the part under Wine: the program beside the same window built the most direct way
// (start-up), beside a minimal window program (start-up, memory, size), its timed build (the
// clicks' split) and its never-waiting build (idle processor use), each figure the median of
// several runs taken in this one run.
//
//   measure.exe PROGRAM TIMED_PROGRAM NEVER_WAITING_PROGRAM DIRECT_PROGRAM
//               DIRECT_SHOWN_FIRST_PROGRAM MINIMAL_PROGRAM
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
// Well under one frame at 60 Hz (16.7 ms): half of one.
constexpr const char* OwnWorkGoal = "< 8.3";

long FileBytes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)
               ? static_cast<long>(data.nFileSizeLow)
               : -1;
}

// A figure that has no counterpart is left blank.
constexpr double NoFigure = -1;

void Row(const char* what, double program, double other, const char* figure, const char* goal) {
    char otherText[16] = "";
    if (other != NoFigure) {
        std::snprintf(otherText, sizeof otherText, "%10.2f", other);
    }
    std::printf("| %-38s | %10.2f | %10s | %-10s | %-8s |\n", what, program, otherText, figure,
                goal);
}

std::string Ratio(double a, double b) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", b > 0 ? a / b : -1.0);
    return text;
}

void ResponseRows(const char* button, const Response& response) {
    char what[64];
    std::snprintf(what, sizeof what, "click %s, ms", button);
    Row(what, response.total, NoFigure, "", "");
    Row("  input delivery (platform)", response.delivery, NoFigure, "", "");
    Row("  own work, notification to result", response.own, NoFigure, "", OwnWorkGoal);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: measure PROGRAM TIMED_PROGRAM NEVER_WAITING_PROGRAM "
                             "DIRECT_PROGRAM DIRECT_SHOWN_FIRST_PROGRAM MINIMAL_PROGRAM\n");
        return 2;
    }
    const std::string program = argv[1];
    const std::string timed = argv[2];
    const std::string neverWaiting = argv[3];
    const std::string direct = argv[4];
    const std::string directShownFirst = argv[5];
    const std::string minimal = argv[6];

    // They take turns, so that whatever else loads the machine falls on each alike.
    std::vector<double> programStart, directStart, shownFirstStart, minimalStart, programPeak,
        minimalPeak;
    for (int run = 0; run < Runs; ++run) {
        long peak = 0;
        programStart.push_back(StartUpMilliseconds(program, PaletteNumberSpin, peak));
        programPeak.push_back(static_cast<double>(peak));
        directStart.push_back(StartUpMilliseconds(direct, PaletteNumberSpin, peak));
        shownFirstStart.push_back(StartUpMilliseconds(directShownFirst, PaletteNumberSpin, peak));
        minimalStart.push_back(StartUpMilliseconds(minimal, 0, peak));
        minimalPeak.push_back(static_cast<double>(peak));
    }
    Responses responses = ResponseMilliseconds(timed, ResponseSamples);

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
    const double directBase = Median(directStart);
    const double baseStart = Median(minimalStart);
    const double peak = Median(programPeak);
    const double basePeak = Median(minimalPeak);
    std::printf("| %-38s | %10s | %10s | %-10s | %-8s |\n", "under Wine (median of runs)",
                "oamcalc", "baseline", "figure", "goal");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(40, '-').c_str(), std::string(12, '-').c_str(),
                std::string(12, '-').c_str(), std::string(12, '-').c_str(),
                std::string(10, '-').c_str());
    Row("start-up, ms (vs direct peer)", start, directBase,
        ("ratio " + Ratio(start, directBase)).c_str(), "<= 1.10");
    const double shownFirst = Median(shownFirstStart);
    Row("start-up, ms (vs direct, shown first)", start, shownFirst,
        ("ratio " + Ratio(start, shownFirst)).c_str(), "");
    Row("start-up, ms (vs minimal window)", start, baseStart,
        ("ratio " + Ratio(start, baseStart)).c_str(), "");
    ResponseRows("Calculate OAM", responses.calculate);
    ResponseRows("Get Attributes", responses.getAttributes);
    Row("idle CPU, % of a core (vs never-wait)", Median(idleProgram), Median(busyProgram), "",
        "<= 0.5");
    Row("  wineserver meanwhile, % of a core", Median(idleServer), Median(busyServer), "", "");
    Row("peak memory, KiB (vs minimal)", peak, basePeak, ("ratio " + Ratio(peak, basePeak)).c_str(),
        "");
    Row("exe size, bytes (vs minimal)", static_cast<double>(FileBytes(program)),
        static_cast<double>(FileBytes(minimal)), "", "");
    return 0;
}
