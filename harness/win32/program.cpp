#include "harness/win32/program.h"

#include "harness/win32/window_class.h"
#include "runtime/controls.h"
#include "ui/window_table.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// A fresh Wine prefix can take a while to bring up the first window.
constexpr DWORD StartTimeoutMs = 30000;
constexpr DWORD EndTimeoutMs = 5000;
constexpr UINT ForcedExitCode = 99;
constexpr const char* ProcFolder = "Z:\\proc\\";
constexpr int FieldsBeforeUserTime = 11; // in /proc/PID/stat, after the name

} // namespace

std::string ProgramPath() {
    const char* path = std::getenv("OAMCALC_PROGRAM");
    return path ? path : "";
}

bool StartProgram(Program& program, const std::string& path) {
    program = {};
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &program.process)) {
        return false;
    }
    // The signal the window table documents: the whole window is built and the program waits.
    const bool up = WaitUntil(
        [&program] {
            program.window = MainWindowOf(program.process.dwProcessId);
            return program.window && GetDlgItem(program.window, ControlRows().back().id) &&
                   IsWindowEnabled(GetDlgItem(program.window, ReadyControl));
        },
        StartTimeoutMs);
    if (!up) {
        StopProgram(program);
    }
    return up;
}

HWND MainWindowOf(DWORD processId) {
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, nullptr, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER) &&
            !HasClass(window, MessageBoxClass)) {
            return window;
        }
    }
    return nullptr;
}

void StopProgram(Program& program) {
    if (program.process.hProcess) {
        TerminateProcess(program.process.hProcess, ForcedExitCode); // refused once it has ended
        WaitForSingleObject(program.process.hProcess, EndTimeoutMs);
        CloseHandle(program.process.hThread);
        CloseHandle(program.process.hProcess);
    }
    program = {};
}

std::vector<int> LinuxProcessesNaming(std::string_view part) {
    std::vector<int> found;
    for (const auto& entry : std::filesystem::directory_iterator(ProcFolder)) {
        const int pid = std::atoi(entry.path().filename().string().c_str());
        if (pid > 0 && LinuxProcessFile(pid, "cmdline").find(part) != std::string::npos) {
            found.push_back(pid);
        }
    }
    return found;
}

std::string LinuxProcessFile(int linuxPid, const char* name) {
    // /proc files report no size, so they are read to their end.
    std::ifstream file(ProcFolder + std::to_string(linuxPid) + "\\" + name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::int64_t ProcessorTicks(int linuxPid) {
    // The name in parentheses may hold blanks; the fields after it are plain numbers.
    const std::string stat = LinuxProcessFile(linuxPid, "stat");
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string skipped;
    for (int field = 0; field < FieldsBeforeUserTime; ++field) {
        fields >> skipped;
    }
    std::int64_t user = -1;
    std::int64_t system = -1;
    fields >> user >> system;
    return fields ? user + system : -1;
}
