// What each command's help says, written once in the command's own file: its own --help is made
// from it, and so is the program's --help, which lists every command with its examples and its
// details. The man page check and the shell's completion read these helps.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace CLI {
class App;
}

struct CommandHelp {
    std::string_view name;
    std::string_view summary;  // its line in the program's list of commands
    std::string_view examples; // command lines, one a line, each indented by two
    std::string details;       // paragraphs, each after an empty line
    // Opens its paragraph in the program's help, where the details do not name the command.
    std::string_view heading;
    // Its own exit codes, after the details; none: the program's, which its help points to.
    std::string_view exitCodes;
};

// The command, its summary and its help; its options are the caller's to add.
CLI::App* AddCommand(CLI::App& program, const CommandHelp& help);

// Under the program's options and commands: every command's examples, then every command's
// details (once where two commands share them), then the program's exit codes.
std::string ProgramFooter(std::span<const CommandHelp> commands, std::string_view exitCodes);
