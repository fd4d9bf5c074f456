// diff A B: what changed between two dumps, one record per entry that differs and, with groups,
// one per rotation/scaling group whose matrix differs.
#pragma once

#include "cli/commands/command_help.h"
#include "cli/session.h"

#include <string>

// As diff(1) has them, so a script reads the answer the same way; a file that is not a dump is
// diff(1)'s trouble, not a difference. A failed read is 74 and a command-line mistake 64, as in
// every command.
constexpr int SameExit = 0;
constexpr int DifferentExit = 1;
constexpr int NotADumpExit = 2;

struct DiffCommand {
    std::string oldPath; // A; "-" is standard input
    std::string newPath; // B
    bool groups = false;
};

CommandHelp DiffHelp();

CLI::App* AddDiffCommand(CLI::App& program, DiffCommand& command);

void RunDiff(Session& session, const DiffCommand& command, int inputDescriptor);
