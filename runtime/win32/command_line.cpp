// A Windows program with a window has no console of its own. The answer goes where a console
// program's would: to the handle it inherited when that is a file or a pipe, else to the console
// of the program that started it; started from neither (from Explorer), it says nothing.
#include "runtime/command_line.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace {

// The spellings Windows programs built with Qt take, so both layers answer the same ones.
constexpr std::array<std::string_view, 3> HelpOptions = {"-h", "--help", "-?"};
constexpr std::array<std::string_view, 2> VersionOptions = {"-v", "--version"};
constexpr int AnsweredExit = 0;

template <std::size_t Count>
bool AnyGiven(int argc, char** argv, const std::array<std::string_view, Count>& options) {
    return std::any_of(argv + std::min(argc, 1), argv + argc, [&](const char* argument) {
        return std::find(options.begin(), options.end(), argument) != options.end();
    });
}

std::string HelpText(const ProgramAbout& about) {
    return std::string("Usage: ") + about.name + " [options]\r\n" + about.description +
           "\r\n\r\nOptions:\r\n"
           "  -?, -h, --help  Displays help on commandline options.\r\n"
           "  -v, --version   Displays version information.\r\n";
}

std::wstring Wide(const std::string& text) {
    int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

// A console takes characters; anything else that is a character device (a terminal under Wine)
// takes the bytes.
bool WriteToConsole(HANDLE console, const std::string& text) {
    std::wstring wide = Wide(text);
    DWORD written = 0;
    return WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written,
                         nullptr) != 0;
}

void WriteBytes(HANDLE handle, const std::string& text) {
    DWORD written = 0;
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void WriteAnswer(const std::string& text) {
    HANDLE inherited = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD kind =
        inherited && inherited != INVALID_HANDLE_VALUE ? GetFileType(inherited) : FILE_TYPE_UNKNOWN;
    if (kind == FILE_TYPE_DISK || kind == FILE_TYPE_PIPE) {
        WriteBytes(inherited, text);
        return;
    }
    if (kind == FILE_TYPE_CHAR) {
        if (!WriteToConsole(inherited, text)) {
            WriteBytes(inherited, text);
        }
        return;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        WriteToConsole(console, text);
        CloseHandle(console);
    }
    FreeConsole();
}

} // namespace

std::optional<int> AnswerCommandLine(int& argc, char** argv, const ProgramAbout& about) {
    if (AnyGiven(argc, argv, VersionOptions)) {
        WriteAnswer(std::string(about.name) + " " + about.version + "\r\n");
        return AnsweredExit;
    }
    if (AnyGiven(argc, argv, HelpOptions)) {
        WriteAnswer(HelpText(about));
        return AnsweredExit;
    }
    return std::nullopt;
}
