#include "tests/e2e/linux_process.h"

#include "tests/e2e/wait.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

constexpr const char* ProcDirectory = "Z:\\proc\\";

constexpr DWORD QuietMs = 500;
constexpr DWORD QuietTimeoutMs = 10000;

// /proc files report no size, so read until the end.
std::string ReadWholeFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        content.append(buffer, got);
    }
    CloseHandle(file);
    return content;
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsNumber(const char* name) {
    return *name != '\0' && std::all_of(name, name + std::char_traits<char>::length(name),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

// A program of the same name in another Wine prefix (another checkout, `make run`) is not ours.
// Wine hands its own Unix environment on to the programs it starts.
bool SharesOurWinePrefix(const std::string& environment) {
    const char* prefix = std::getenv("WINEPREFIX");
    if (!prefix) {
        return true;
    }
    const std::string entry = std::string("WINEPREFIX=") + prefix + '\0';
    return environment.find(entry) != std::string::npos;
}

} // namespace

std::vector<int> LinuxProcessesRunning(std::string_view fileName) {
    const std::string wanted = LowerCase(fileName);
    std::vector<int> found;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((std::string(ProcDirectory) + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return found;
    }
    do {
        if (!IsNumber(entry.cFileName)) {
            continue;
        }
        const std::string process = std::string(ProcDirectory) + entry.cFileName + "\\";
        if (LowerCase(ReadWholeFile(process + "cmdline")).find(wanted) != std::string::npos &&
            SharesOurWinePrefix(ReadWholeFile(process + "environ"))) {
            found.push_back(std::stoi(entry.cFileName));
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

std::int64_t ProcessorTicksOf(int linuxPid) {
    const std::string stat =
        ReadWholeFile(std::string(ProcDirectory) + std::to_string(linuxPid) + "\\stat");
    // The name in parentheses may hold blanks; the fields after it are plain numbers, and user
    // and system time are the 14th and 15th fields of the line, the 12th and 13th after the name.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) {
        return -1;
    }
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    constexpr int FieldsBeforeUserTime = 11;
    for (int skipped = 0; skipped < FieldsBeforeUserTime; ++skipped) {
        fields >> field;
    }
    std::int64_t user = -1;
    std::int64_t system = -1;
    fields >> user >> system;
    return fields ? user + system : -1;
}

void WaitUntilQuiet(int linuxPid) {
    std::int64_t last = ProcessorTicksOf(linuxPid);
    ULONGLONG lastChange = GetTickCount64();
    WaitUntil(
        [&] {
            const std::int64_t now = ProcessorTicksOf(linuxPid);
            if (now != last) {
                last = now;
                lastChange = GetTickCount64();
            }
            return GetTickCount64() - lastChange >= QuietMs;
        },
        QuietTimeoutMs);
}
