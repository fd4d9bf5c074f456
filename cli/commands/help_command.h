// help [TOPIC|COMMAND]: a block of help that several commands share, a command's own help (the
// same as its --help), or with neither the list of both.
#pragma once

#include "cli/commands/command_help.h"
#include "cli/session.h"

#include <string>

struct HelpCommand {
    std::string subject; // a topic or a command; none: the list
};

CommandHelp HelpHelp();

CLI::App* AddHelpCommand(CLI::App& program, HelpCommand& command);

// An unknown subject is a bad command line: one line on standard error.
void RunHelp(Session& session, const CLI::App& program, const HelpCommand& command);
