// diff A B: what changed between two dumps, one record per entry that differs and, with groups,
// one per rotation/scaling group whose matrix differs.
#pragma once

#include "cli/commands/jobs_command.h"

#include <string>

// As diff(1) has them, so a script reads the answer the same way; a file that is not a dump is
// diff(1)'s trouble, not a difference. A failed read is 74 and a command-line mistake 64, as in
// every command.
constexpr int SameExit = 0;
constexpr int DifferentExit = 1;
constexpr int NotADumpExit = 2;

constexpr const char* DiffHelp = R"(Example:
  oamcalc-cli diff before.bin after.bin

One record per entry whose three attributes differ: engine, index, entryOld and entryNew, and
for each changed field its value in A and in B as NAMEOld and NAMENew (a field that the
rotation/scaling flag selects on one side only is shown on that side alone). --groups also
compares the 32 rotation/scaling matrices of each engine, one record per group whose PA to PD
differ; with --tsv they follow as a second table after an empty line. Dumps of different sizes
are compared over the entries both hold, with a note on standard error.

Exit codes, as diff(1): 0 the dumps are the same, 1 they differ, 2 a file is not a dump; 64 a bad
command line, 74 a failed read or write.)";

struct DiffOptions {
    std::string oldPath; // A; "-" is standard input
    std::string newPath; // B
    bool groups = false;
};

void RunDiff(Session& session, const DiffOptions& options, int inputDescriptor);
