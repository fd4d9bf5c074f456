// screen [DUMP|-] [-o FILE.svg]: a picture of the screens a dump draws, as SVG.
#pragma once

#include "cli/commands/command_help.h"
#include "cli/session.h"
#include "codec/screen_picture.h"

#include <cstdint>
#include <string>

struct ScreenCommand {
    std::string path = "-"; // "-" is standard input
    std::string outputPath; // none: standard output
    std::int32_t scale = DefaultScale;
};

CommandHelp ScreenHelp();

CLI::App* AddScreenCommand(CLI::App& program, ScreenCommand& command);

void RunScreen(Session& session, const ScreenCommand& command, int inputDescriptor);
