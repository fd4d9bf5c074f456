// `make bench`, the native part, run in a private X server: the program's start-up beside a
// minimal Qt window's, its two buttons clicked with real input until the result is on the screen,
// its idle processor ticks and its peak memory. Each figure is the median of several runs taken in
// this one call.
//
//   measure_native PROGRAM STAMPED_PROGRAM MINIMAL_PROGRAM MINIMAL_WITH_LABEL_PROGRAM
#include "bench/qt/frame_stamps.h"
#include "bench/qt/program.h"
#include "bench/qt/x_input.h"

#include "runtime/controls.h"
#include "ui/window_table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int Runs = 5;
constexpr int ClickSamples = 9; // each with its own palette number, 1 to 9
constexpr int IdleSeconds = 5;
constexpr auto Settle = std::chrono::milliseconds(1000);
constexpr auto BetweenActions = std::chrono::milliseconds(200);
constexpr const char* StartUpGoal = "<= 1.30";
constexpr const char* ClickGoal = "< 16.7"; // one frame at 60 Hz

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? -1 : samples[samples.size() / 2];
}

void Row(const char* what, double program, const char* baseline, const std::string& figure,
         const char* goal) {
    std::printf("| %-40s | %10.2f | %10s | %-10s | %-8s |\n", what, program, baseline,
                figure.c_str(), goal);
}

std::string Figure(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string Ratio(double a, double b) {
    return "ratio " + Figure(b > 0 ? a / b : -1);
}

ScreenPoint CentreOf(ControlId id, ScreenPoint inner) {
    for (const ControlRow& row : ControlRows()) {
        if (row.id == id) {
            return {inner.x + row.box.x + row.box.width / 2,
                    inner.y + row.box.y + row.box.height / 2};
        }
    }
    return inner;
}

// Clicks the value field and types over its text, at a person's pace.
void TypeEntry(XInput& input, ScreenPoint inner, const std::string& entry) {
    std::this_thread::sleep_for(BetweenActions);
    input.Click(CentreOf(OamValueField, inner));
    std::this_thread::sleep_for(BetweenActions);
    input.SelectAllAndType(entry);
    std::this_thread::sleep_for(BetweenActions);
}

// One button's click until its result's frame, in milliseconds.
double ClickToResult(XInput& input, Program& program, ScreenPoint inner, ControlId button,
                     ControlId changed, const std::string& result) {
    input.MoveTo(CentreOf(button, inner));
    const double clicked = MonotonicMilliseconds();
    input.Click(CentreOf(button, inner));
    const double shown = program.WaitForText(changed, result);
    return shown < 0 ? -1 : shown - clicked;
}

void Use(XInput& input, ScreenPoint inner, const std::string& entry) {
    TypeEntry(input, inner, entry);
    input.Click(CentreOf(GetAttributesButton, inner));
    std::this_thread::sleep_for(BetweenActions);
    input.Click(CentreOf(CalculateOamButton, inner));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: measure_native PROGRAM STAMPED_PROGRAM MINIMAL_PROGRAM "
                             "MINIMAL_WITH_LABEL_PROGRAM\n");
        return 2;
    }
    XInput input;
    if (!input.Ready()) {
        std::fprintf(stderr, "measure_native: no X display with the XTest extension\n");
        return 1;
    }
    const std::string program = argv[1];
    const std::string stamped = argv[2];
    const std::string minimal = argv[3];
    const std::string minimalWithLabel = argv[4];

    // They take turns, so that whatever else loads the machine falls on each alike.
    std::vector<double> programStart, minimalStart, labelStart, minimalPeak;
    for (int run = 0; run < Runs; ++run) {
        Program timed(stamped);
        programStart.push_back(timed.WaitUntilShown() - timed.Started());
        Program baseline(minimal);
        minimalStart.push_back(baseline.WaitUntilShown() - baseline.Started());
        std::this_thread::sleep_for(Settle);
        minimalPeak.push_back(static_cast<double>(baseline.PeakKilobytes()));
        Program withLabel(minimalWithLabel);
        labelStart.push_back(withLabel.WaitUntilShown() - withLabel.Started());
    }

    std::vector<double> calculate, getAttributes;
    {
        Program timed(stamped);
        timed.WaitUntilShown();
        const ScreenPoint inner = timed.Inner();
        for (int palette = 1; palette <= ClickSamples; ++palette) {
            const std::string entry = "7464912C" + std::to_string(palette) + "A01";
            TypeEntry(input, inner, entry);
            getAttributes.push_back(ClickToResult(input, timed, inner, GetAttributesButton,
                                                  PaletteNumberSpin, std::to_string(palette)));
            TypeEntry(input, inner, "0");
            calculate.push_back(
                ClickToResult(input, timed, inner, CalculateOamButton, OamValueField, entry));
        }
    }

    std::vector<double> idleAfterStart, idleAfterUse, peak;
    for (int run = 0; run < Runs; ++run) {
        Program plain(program);
        const ScreenPoint inner = input.WaitForWindowOf(plain.Pid());
        std::this_thread::sleep_for(Settle);
        idleAfterStart.push_back(static_cast<double>(plain.TicksOver(IdleSeconds)));
        Use(input, inner, "7464912C5A01");
        std::this_thread::sleep_for(Settle);
        idleAfterUse.push_back(static_cast<double>(plain.TicksOver(IdleSeconds)));
        peak.push_back(static_cast<double>(plain.PeakKilobytes()));
    }

    std::printf("| %-40s | %10s | %10s | %-10s | %-8s |\n", "native, Xvfb (median of runs)",
                "oamcalc", "baseline", "figure", "goal");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(42, '-').c_str(), std::string(12, '-').c_str(),
                std::string(12, '-').c_str(), std::string(12, '-').c_str(),
                std::string(10, '-').c_str());
    const double start = Median(programStart);
    const double baseStart = Median(minimalStart);
    Row("start-up, ms (vs minimal Qt window)", start, Figure(baseStart).c_str(),
        Ratio(start, baseStart), StartUpGoal);
    const double labelBase = Median(labelStart);
    Row("start-up, ms (vs minimal with one label)", start, Figure(labelBase).c_str(),
        Ratio(start, labelBase), "");
    Row("click Calculate OAM to result, ms", Median(calculate), "", "", ClickGoal);
    Row("click Get Attributes to result, ms", Median(getAttributes), "", "", ClickGoal);
    Row("idle ticks in 5 s, after start", Median(idleAfterStart), "", "", "0");
    Row("idle ticks in 5 s, after use", Median(idleAfterUse), "", "", "0");
    const double programPeak = Median(peak);
    const double basePeak = Median(minimalPeak);
    Row("peak memory, KiB (vs minimal Qt window)", programPeak, Figure(basePeak).c_str(),
        Ratio(programPeak, basePeak), "");
    return 0;
}
