// dump [FILE|-]: every entry of a raw object attribute memory dump, or with groups its
// rotation/scaling groups.
#pragma once

#include "cli/commands/command_help.h"
#include "cli/session.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DumpCommand {
    std::string path = "-";    // "-" is standard input
    std::string engineName;    // a or b; both when not given
    bool visibleOnly = false;  // not hidden
    bool onScreenOnly = false; // with a pixel on the screen
    bool groups = false;
};

CommandHelp DumpHelp();

CLI::App* AddDumpCommand(CLI::App& program, DumpCommand& command);

void RunDump(Session& session, const DumpCommand& command, int inputDescriptor);

// What the other dump commands share. The dump at `path` ("-": standard input), its bytes when it
// has a dump's size; otherwise nothing, the failure reported and its exit code kept: 74 when it
// could not be read, `notADumpExit` for any other size.
std::optional<std::vector<std::uint8_t>> LoadDump(Session& session, const std::string& path,
                                                  int inputDescriptor, int notADumpExit);
