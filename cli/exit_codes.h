// What the program's exit code says, for scripts. 64 and 74 follow the Unix convention for a
// command-line mistake and an input/output error.
#pragma once

constexpr int SuccessExit = 0;
constexpr int BadEntryExit = 1;
constexpr int BadFieldExit = 2;
constexpr int UsageExit = 64;
constexpr int InputOutputExit = 74;

constexpr const char* ProgramName = "oamcalc-cli";
