// The window program's command line, read before any window is made. --help and --version are
// answered on standard output, as the platform's programs answer them, and the program then ends
// with the code given here; any other argument is left alone, so the window opens as without it
// (on the Qt layer, Qt takes its own options, such as -platform, when it starts). Each platform
// folder implements it; a page has no command line, so the web layer answers nothing.
#pragma once

#include <optional>

// What the answers say about the program.
struct ProgramAbout {
    const char* name;
    const char* version;
    const char* description; // one sentence
};

// The exit code when the command line asked for an answer; nothing when the window is to open.
std::optional<int> AnswerCommandLine(int& argc, char** argv, const ProgramAbout& about);
