#include "cli/commands/command_help.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace {

constexpr const char* SeeProgramExitCodes = "\nExit codes: see oamcalc-cli --help.";

std::string ExamplesTitle(std::string_view examples) {
    return std::count(examples.begin(), examples.end(), '\n') > 1 ? "Examples:\n" : "Example:\n";
}

std::string CommandFooter(const CommandHelp& help) {
    return ExamplesTitle(help.examples) + std::string(help.examples) + help.details +
           std::string(help.exitCodes.empty() ? SeeProgramExitCodes : help.exitCodes);
}

} // namespace

CLI::App* AddCommand(CLI::App& program, const CommandHelp& help) {
    CLI::App* command = program.add_subcommand(std::string(help.name), std::string(help.summary));
    command->footer(CommandFooter(help));
    return command;
}

std::string ProgramFooter(std::span<const CommandHelp> commands, std::string_view exitCodes) {
    std::string footer = "Examples:\n";
    for (const CommandHelp& help : commands) {
        footer += help.examples;
    }
    const std::string* previous = nullptr;
    for (const CommandHelp& help : commands) {
        if (previous && *previous == help.details) {
            continue;
        }
        previous = &help.details;
        if (!help.heading.empty()) {
            footer += "\n" + std::string(help.heading) + ":";
        }
        footer += help.details;
        if (!help.exitCodes.empty()) {
            footer += std::string(help.exitCodes) + "\n";
        }
    }
    return footer + std::string(exitCodes);
}
