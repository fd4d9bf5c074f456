// What each command's help says, written once in the command's own file: its own --help is made
// from it, and so are the program's --help (its summary and examples) and `help COMMAND`. What
// several commands share (the fields, batches, memory order, dumps, exit codes) is a topic of
// `help` (cli/commands/help_topics.h), to which a command's help points in one line. The man page
// check and the shell's completion read these helps.
#pragma once

#include "cli/commands/help_topics.h"

#include <span>
#include <string>
#include <string_view>

namespace CLI {
class App;
}

struct CommandHelp {
    std::string_view name;
    std::string_view summary;          // its line in the program's list of commands
    std::string_view examples;         // command lines, one a line, each indented by two
    std::string_view details;          // what is the command's own, a few lines after an empty one
    std::span<const HelpTopic> topics; // the shared blocks it points to
    // Its own exit codes, after the details; none: the program's, which the topics give.
    std::string_view exitCodes;
};

// The command, its summary and its help; its options are the caller's to add.
CLI::App* AddCommand(CLI::App& program, const CommandHelp& help);

// Under the program's options and commands: every command's examples, then where the topics and
// each command's own help are.
std::string ProgramFooter(std::span<const CommandHelp> commands);
