#include "bench/qt/program.h"

#include "bench/qt/frame_stamps.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int NoteTimeoutMilliseconds = 3000;
constexpr int ProcessorTicksField = 14; // utime, then stime, in /proc/PID/stat

} // namespace

Program::Program(const std::string& path) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return;
    }
    started = MonotonicMilliseconds();
    pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    notes = pipeEnds[0];
}

Program::~Program() {
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    if (notes >= 0) {
        close(notes);
    }
}

bool Program::ReadLine(std::string& line) {
    for (;;) {
        const std::size_t end = buffered.find('\n');
        if (end != std::string::npos) {
            line = buffered.substr(0, end);
            buffered.erase(0, end + 1);
            return true;
        }
        pollfd waiting{notes, POLLIN, 0};
        char chunk[4096];
        if (poll(&waiting, 1, NoteTimeoutMilliseconds) <= 0) {
            return false;
        }
        const ssize_t got = read(notes, chunk, sizeof chunk);
        if (got <= 0) {
            return false;
        }
        buffered.append(chunk, static_cast<std::size_t>(got));
    }
}

double Program::WaitUntilShown() {
    for (std::string line; ReadLine(line);) {
        std::istringstream note(line);
        std::string word;
        double at = -1;
        if (note >> word >> at && word == "shown") {
            note >> inner.x >> inner.y;
            return at;
        }
    }
    return -1;
}

double Program::WaitForText(int control, const std::string& text) {
    for (std::string line; ReadLine(line);) {
        std::istringstream note(line);
        std::string word, shown;
        int id = -1;
        double at = -1;
        if (note >> word >> id >> shown >> at && word == "text" && id == control && shown == text) {
            return at;
        }
    }
    return -1;
}

long Program::TicksOver(int seconds) const {
    auto ticks = [this] {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        // The name in parentheses may hold blanks: count the fields after it.
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        long user = 0, system = 0;
        for (int number = 3; number < ProcessorTicksField && fields >> field; ++number) {
        }
        fields >> user >> system;
        return user + system;
    };
    const long before = ticks();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    return ticks() - before;
}

long Program::PeakKilobytes() const {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        long kilobytes = 0;
        if (std::sscanf(line.c_str(), "VmHWM: %ld", &kilobytes) == 1) {
            return kilobytes;
        }
    }
    return -1;
}
