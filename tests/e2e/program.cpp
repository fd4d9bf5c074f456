#include "tests/e2e/program.h"

#include "runtime/controls.h"
#include "tests/e2e/linux_process.h"
#include "tests/e2e/wait.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// A fresh Wine prefix can take a while to bring up the first window.
constexpr DWORD StartTimeoutMs = 30000;
constexpr DWORD PoliteCloseTimeoutMs = 5000;
constexpr DWORD ForcedEndTimeoutMs = 5000;
constexpr UINT ForcedExitCode = 99;

// The control created last: once it exists, the whole window has been built.
constexpr int LastCreatedControl = PaletteNumberSpin;

struct WindowSearch {
    DWORD processId;
    HWND found;
};

bool IsMessageBoxClass(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}

BOOL CALLBACK TakeMainWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER) &&
        !IsMessageBoxClass(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The Linux process that appeared for the program: Wine does not say which one it is, but only
// one process of that name can have started since `before` was taken.
int NewLinuxProcess(const std::vector<int>& before, const std::string& fileName) {
    std::vector<int> started;
    for (const int pid : LinuxProcessesRunning(fileName)) {
        if (std::find(before.begin(), before.end(), pid) == before.end()) {
            started.push_back(pid);
        }
    }
    return started.size() == 1 ? started.front() : 0;
}

} // namespace

HWND FindMainWindow(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(TakeMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ProgramPath() {
    const char* path = std::getenv("OAMCALC_PROGRAM");
    return path ? path : "";
}

bool StartProgram(Program& program, const std::string& path) {
    program = {};
    const std::string fileName = FileNameOf(path);
    const std::vector<int> before = LinuxProcessesRunning(fileName);

    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &program.process)) {
        program.process = {};
        return false;
    }
    const bool built = WaitUntil(
        [&program] {
            program.window = FindMainWindow(program.process.dwProcessId);
            return program.window && GetDlgItem(program.window, LastCreatedControl);
        },
        StartTimeoutMs);
    if (!built) {
        StopProgram(program);
        return false;
    }
    // The Linux process exists before the window can.
    program.linuxPid = NewLinuxProcess(before, fileName);
    return true;
}

bool IsRunning(const Program& program) {
    return program.process.hProcess &&
           WaitForSingleObject(program.process.hProcess, 0) == WAIT_TIMEOUT;
}

bool WaitForExit(const Program& program, DWORD timeoutMs, DWORD& exitCode) {
    if (!program.process.hProcess ||
        WaitForSingleObject(program.process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(program.process.hProcess, &exitCode) != 0;
}

void StopProgram(Program& program) {
    if (IsRunning(program)) {
        if (program.window && IsWindow(program.window)) {
            PostMessageA(program.window, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(program.process.hProcess, PoliteCloseTimeoutMs) != WAIT_OBJECT_0) {
            TerminateProcess(program.process.hProcess, ForcedExitCode);
            WaitForSingleObject(program.process.hProcess, ForcedEndTimeoutMs);
        }
    }
    if (program.process.hThread) {
        CloseHandle(program.process.hThread);
    }
    if (program.process.hProcess) {
        CloseHandle(program.process.hProcess);
    }
    program = {};
}
