// Real input for the benchmark: pointer and keys through the X server's XTest extension, as a
// person's would arrive, and the windows the server shows.
#pragma once

#include <string>
#include <sys/types.h>

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class XInput {
  public:
    XInput();
    ~XInput();
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    bool Ready() const { return display != nullptr; }
    void MoveTo(ScreenPoint at);
    void Click(ScreenPoint at);
    // Ctrl+A, then the text's keys.
    void SelectAllAndType(const std::string& text);
    // Where the inner area of the process's first visible window starts, once it is shown.
    ScreenPoint WaitForWindowOf(pid_t pid);

  private:
    struct _XDisplay* display = nullptr;
    void Key(unsigned long symbol, bool down);
};
