// A program the benchmark starts and ends: its notes on standard output (bench/qt/frame_stamps.h)
// and what /proc says of it.
#pragma once

#include "bench/qt/x_input.h"

#include <string>
#include <sys/types.h>

class Program {
  public:
    explicit Program(const std::string& path); // starts it
    ~Program();                                // ends it
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    pid_t Pid() const { return pid; }
    double Started() const { return started; }
    // When its first frame was on the screen; negative when it never said so.
    double WaitUntilShown();
    ScreenPoint Inner() const { return inner; }
    // When a frame first showed `text` in the control; negative when none did.
    double WaitForText(int control, const std::string& text);
    // Processor ticks (user and system) it used over the next `seconds`.
    long TicksOver(int seconds) const;
    // The most memory it has held (VmHWM), in kilobytes.
    long PeakKilobytes() const;

  private:
    bool ReadLine(std::string& line);
    pid_t pid = -1;
    int notes = -1;
    std::string buffered;
    double started = 0;
    ScreenPoint inner;
};
